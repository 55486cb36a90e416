#pragma once
// A document for the CSV tests: the English texts, a band, and channels set
// member by member (not through the setter), so that a test can say exactly
// what a channel holds before it is exported.

#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"
#include "document/TrimFix.h"

#include <gtest/gtest.h>
#include <string>

namespace pmr::testing {

inline AppContext CsvApp(const std::string& bandText = "446.00625 - 446.19375 MHz") {
    AppContext app;
    app.texts.Load(std::string(PMR_SOURCE_DIR) + "/data/language/english.ini");
    app.docState.BandText = bandText;
    ComputeBandLimits(app.docState);
    ResetChannels(app);
    return app;
}

/// Channel `no` as the radio's memory could hold it: a new channel at `rx`
/// (8 stored digits) with its members then written directly.
inline ChannelRecord& PutChannel(AppContext& app, int no, const char* rx) {
    ChannelRecord* e = FindChannel(app.doc, no);
    if (!e) {
        AddChannel(app, no, std::string(rx, 3) + "." + std::string(rx + 3));
        e = FindChannel(app.doc, no);
    }
    return *e;
}

/// Every channel of `b` is in `a` with the same members (texts compared as
/// every comparison of the program does, trimmed), and the other way round.
inline void ExpectSameChannels(const RadioDocument& a, const RadioDocument& b) {
    EXPECT_EQ(a.ChannelCount, b.ChannelCount);
    for (int i = 0; i < a.ChannelCount; ++i) {
        const ChannelRecord& x = a.Channels[static_cast<std::size_t>(i)];
        const int j = FindChannelIndex(b, x.ChannelNo);
        ASSERT_GE(j, 0) << "channel " << x.ChannelNo << " is missing";
        ChannelRecord y = b.Channels[static_cast<std::size_t>(j)];
        SCOPED_TRACE("channel " + std::to_string(x.ChannelNo));
        EXPECT_EQ(TrimFix(x.Name), TrimFix(y.Name));
        EXPECT_EQ(TrimFix(x.IdCode), TrimFix(y.IdCode));
        y.Name = x.Name;
        y.IdCode = x.IdCode;
        EXPECT_EQ(x, y) << "rx " << x.RxFreq.raw() << "/" << y.RxFreq.raw() << " shift "
                        << int{x.TxShiftDir} << x.TxShift.raw() << "/" << int{y.TxShiftDir}
                        << y.TxShift.raw() << " tones " << x.TxTone << "," << x.RxTone << "/"
                        << y.TxTone << "," << y.RxTone;
    }
}

} // namespace pmr::testing
