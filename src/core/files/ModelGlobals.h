#pragma once
// The document's Model record and the values derived from it beside the document.

namespace pmr {

struct AppContext;

/// From the loaded Model record: ModelNameText, BandText, the radio
/// information's model name and band code copy, and the band limits.
void LoadModelGlobals(AppContext& app);

/// Into the Model record: ModelName from ModelNameText, BandCode from BandText.
void StoreModelGlobals(AppContext& app);

} // namespace pmr
