#include "document/BandDefaults.h"

#include "document/Bands.h"
#include "document/RadioDocument.h"
#include "document/TrimFix.h"

#include <string>

namespace pmr {

bool UsesVhfTestTables(std::string_view bandText) {
    return bandText == kVhfTestBandText;
}

std::int64_t DefaultTestFreq10Hz(std::string_view bandText) {
    // The pair a technician expects: 435.1 MHz on a UHF radio, 155.1 MHz on a
    // VHF one. The test frequencies window holds every entry to the band, so a
    // default outside it could not even be kept: such a band (PMR446, the
    // narrow and the outer ones) starts from its middle channel instead.
    constexpr std::int64_t kUhfTest = 43510000;
    constexpr std::int64_t kVhfTest = 15510000;
    const auto limits = BandLimitsFromText(bandText);
    if (!limits)
        return UsesVhfTestTables(bandText) ? kVhfTest : kUhfTest;
    for (const std::int64_t f : {kUhfTest, kVhfTest})
        if (f >= limits->low10Hz && f <= limits->high10Hz)
            return f;
    return MiddleChannel10Hz(*limits);
}

void ApplyTestFreqDefaults(RadioDocument& doc, std::string_view bandText) {
    const std::string first = std::to_string(DefaultTestFreq10Hz(bandText));
    doc.TestFreqs[0].RxFreq = first;
    doc.TestFreqs[0].TxFreq = first;
    for (std::size_t i = 1; i < doc.TestFreqs.size(); ++i) {
        doc.TestFreqs[i].RxFreq = kNulText;
        doc.TestFreqs[i].TxFreq = kNulText;
    }
}

TuningTable MakeTuningTable(std::string_view bandText) {
    // The second field lies 100 kHz above the first, at the upper edge below it.
    static constexpr std::string_view kUhf[5][2] = {{"40000000", "40010000"},
                                                    {"41750000", "41760000"},
                                                    {"43500000", "43510000"},
                                                    {"45250000", "45260000"},
                                                    {"47000000", "46990000"}};
    static constexpr std::string_view kVhf[5][2] = {{"13600000", "13610000"},
                                                    {"14550000", "14560000"},
                                                    {"15500000", "15510000"},
                                                    {"16450000", "16460000"},
                                                    {"17400000", "17390000"}};
    const auto& rows = UsesVhfTestTables(bandText) ? kVhf : kUhf;
    TuningTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].first = rows[i][0];
        table[i].second = rows[i][1];
    }
    return table;
}

} // namespace pmr
