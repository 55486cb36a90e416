#include "document/RadioInfo.h"

#include "app/AppContext.h"
#include "document/TrimFix.h"

namespace pmr {

void ResetRadioInfo(RadioInfo& info, const ModelInfo& model, const CalendarDate& today) {
    const std::string dated = FormatShortDate(today) + std::string(kNulText);
    std::string month = std::to_string(today.month % 100);
    if (month.size() < 2)
        month.insert(0, 1, '0');

    info.BandCodeCopy = model.BandCode;
    info.Spare = kNulText;
    info.SerialNo = kNulText;
    info.FactoryDate = dated;
    info.RepairDate = dated;
    info.RepairReason = kNulText;
    info.VersionText = "V1.00";
    info.InfoModelName = model.ModelName.raw();
    info.AreaCode = "0595";
    info.BatchNo = month + "-1-E-1";
    info.CustomerCode = "001A";
    info.DealerCode = kNulText;
    info.StockInDate = dated;
    info.SaleDate = dated;
    info.HandledBy = kNulText;
}

void ResetRadioInfo(AppContext& app) {
    const auto& today = app.docState.Hooks.Today;
    ResetRadioInfo(app.radioInfo, app.doc.Model, today ? today() : SystemToday());
}

} // namespace pmr
