#include "document/ModelRecord.h"

#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/TrimFix.h"

namespace pmr {

bool LoadModelRecord(AppContext& app, const ModelInfo& model) {
    app.docState.ModelNameText = TrimFix(model.ModelName);
    app.docState.BandText = BandTextFromCode(model.BandCode);
    app.radioInfo.InfoModelName = app.docState.ModelNameText;
    app.radioInfo.BandCodeCopy = model.BandCode;
    return ComputeBandLimits(app.docState);
}

ModelInfo StoreModelRecord(const DocumentState& state, const ModelInfo& current) {
    ModelInfo model;
    model.ModelName = state.ModelNameText;
    model.BandCode = state.BandText.empty() ? current.BandCode
                                            : static_cast<Integer>(BandCodeFromText(state.BandText));
    return model;
}

} // namespace pmr
