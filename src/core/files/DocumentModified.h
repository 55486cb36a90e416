#pragma once
// Whether the working copy differs from the state last loaded or saved.

namespace pmr {

struct AppContext;

/// True unless the working copy equals the file buffer in every member that
/// matters. Texts compare by their trimmed value; channels are matched by
/// channel number, so a reordered table without other changes is unchanged.
/// With the factory mode on, TestData must also equal SavedTestData.
bool IsDocumentModified(const AppContext& app);

} // namespace pmr
