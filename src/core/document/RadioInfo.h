#pragma once
// The dealer and radio information record, kept beside the document, not saved.
// Read from the radio's information area; only shown, never written back.

#include "document/CalendarDate.h"
#include "document/FixedText.h"
#include "document/RadioDocument.h"

#include <string>

namespace pmr {

struct AppContext;

struct RadioInfo {
    Integer BandCodeCopy = 0; // Model.BandCode of the document
    FixedText<16> Spare;
    FixedText<16> SerialNo;
    FixedText<16> FactoryDate;
    FixedText<16> RepairDate;
    FixedText<96> RepairReason;
    std::string VersionText;
    std::string InfoModelName;
    std::string AreaCode; // at most 4 characters
    FixedText<8> BatchNo;
    FixedText<4> CustomerCode;
    FixedText<16> DealerCode;
    FixedText<16> StockInDate;
    FixedText<16> SaleDate;
    FixedText<16> HandledBy;
    friend bool operator==(const RadioInfo&, const RadioInfo&) = default;
};

/// The defaults of a new document: dates = today (short date, then a NUL), the
/// batch number from today's month ("07-1-E-1" in July), the model and band of
/// `model`, "V1.00", area "0595", customer "001A", every other text one NUL.
void ResetRadioInfo(RadioInfo& info, const ModelInfo& model, const CalendarDate& today);

/// The same for the application's record, with its document's Model and the
/// date of the Today hook (the system date when none is set).
void ResetRadioInfo(AppContext& app);

} // namespace pmr
