#pragma once
// Values derived from the document and kept beside it; not saved with it.

#include "document/BandDefaults.h"
#include "document/ChannelEditing.h"
#include "document/DocumentEvents.h"
#include "document/DocumentHooks.h"

#include <cstdint>
#include <string>

namespace pmr {

/// The lowest and highest frequency of the band, in 10 Hz units, read from the
/// two numbers of its band text ("446.00625 - 446.19375 MHz").
struct BandLimitPair {
    std::int64_t low10Hz = 44600625;
    std::int64_t high10Hz = 44619375;
};

struct DocumentState {
    std::string ModelNameText = "VX210";                // trimmed Model.ModelName
    std::string BandText = "446.00625 - 446.19375 MHz"; // the band of Model.BandCode
    BandLimitPair BandLimits;                           // from BandText
    std::string CurrentFileName = "new.dat";            // the document's file name
    /// The band's five-point tuning table, rebuilt for every new document.
    TuningTable TuningPoints{};
    /// The channel windows' shared editing state.
    ChannelEditing Editing;
    /// The open windows' part in document changes.
    DocumentHooks Hooks;
    /// What changed, for the open windows that show it.
    DocumentEvents Events;
    /// The name the undo step of the change under way takes, set by a
    /// command that knows it better than the differences tell ("paste of 4
    /// channels"); the history takes and clears it.
    std::string NextStepName;
};

} // namespace pmr
