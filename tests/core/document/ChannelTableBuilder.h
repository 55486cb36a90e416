#pragma once
// Channel tables for the document tests: the given channel numbers in the given
// order, each at 446.00625 MHz without shift and named "C<n>" ("VFO" for 129)
// so that a record can be followed when it is renumbered. No reconciliation runs.

#include "app/AppContext.h"

#include <string>
#include <vector>

namespace pmr::testing {

inline AppContext TableOf(const std::vector<int>& numbers) {
    AppContext app;
    for (int no : numbers) {
        ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(app.doc.ChannelCount++)];
        e = ChannelRecord{};
        e.ChannelNo = static_cast<Integer>(no);
        e.RxFreq = "44600625";
        e.TxShift = "0000000";
        e.Name = no == kVfoChannelNo ? std::string("VFO") : "C" + std::to_string(no);
    }
    return app;
}

} // namespace pmr::testing
