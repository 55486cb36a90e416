#pragma once
// Option members that name channels or FM presets must point at existing ones.

namespace pmr {

struct AppContext;

/// Runs after every change of the channel table or of the FM presets. When the
/// optional-features window is open (its ReshowByCh hook is set) it rebuilds its
/// lists and nothing else happens; otherwise PriorityCh, CurrentCh, FmCurrentCh,
/// DirectCh1 and DirectCh2 are brought in line with the table and the presets.
void ReconcileOptionRefs(AppContext& app);

} // namespace pmr
