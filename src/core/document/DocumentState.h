#pragma once
// Values derived from the document and kept beside it; not saved with it.

#include <string>

namespace pmr {

struct BandLimitPair {
    double low = 0;  // MHz, as derived from the band text's character positions
    double high = 0;
};

struct DocumentState {
    std::string ModelNameText;               // trimmed Model.ModelName
    std::string BandText;                    // e.g. "446.00625 - 446.19375 MHz"
    BandLimitPair BandLimits;
    std::string CurrentFileName = "new.dat"; // the document's file name
    bool Modified = false;                   // the main window's unsaved-changes marker
};

} // namespace pmr
