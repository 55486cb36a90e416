#include "document/BandClamp.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"

namespace pmr {

std::int64_t ClampToBand(const AppContext& app, UserInteraction& ui, std::int64_t units,
                         bool warn) {
    const std::int64_t low = app.docState.BandLimits.low10Hz;
    const std::int64_t high = app.docState.BandLimits.high10Hz;
    std::int64_t result = units;
    if (units < low)
        result = low;
    else if (units > high)
        result = high;
    if (result != units && warn)
        ui.ShowMessage(app.texts.GetLangText(9021), Severity::Warning);
    return result;
}

std::string NormalizeFreqText(const AppContext& app, UserInteraction& ui, std::string_view value,
                              bool warn) {
    const auto units = ParseUnits(value, 5);
    if (!units)
        return {};
    return FormatUnits(ClampToBand(app, ui, *units, warn), 5);
}

} // namespace pmr
