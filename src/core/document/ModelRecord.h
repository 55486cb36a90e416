#pragma once
// Moving the model and band between the document's Model record and the
// globals beside the document.

namespace pmr {

struct AppContext;
struct DocumentState;
struct ModelInfo;

/// After a Model record was loaded (file, radio image): ModelNameText, BandText,
/// the radio information's model name and band code copy, and the band limits.
/// Returns false when the band code has no band text (BandText is then empty and
/// the previous limits stay).
bool LoadModelRecord(AppContext& app, const ModelInfo& model);

/// The Model record for the current globals: ModelNameText blank-padded to 7,
/// the band code of BandText. An empty BandText (a band code without a band
/// text, loaded from a file or a radio) keeps `current`'s band code: the
/// program never changes a band it does not know.
ModelInfo StoreModelRecord(const DocumentState& state, const ModelInfo& current);

} // namespace pmr
