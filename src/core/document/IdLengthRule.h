#pragma once
// The channels' ID codes follow the DTMF signalling option: 3 digits when the
// signalling is on, up to 10 otherwise.

namespace pmr {

struct AppContext;

/// Brings every channel whose IdCodeMaxLen differs from the rule in line (a code
/// of 4 or more digits becomes "000" under the 3-digit rule); channels already
/// under the rule are not touched. Refreshes the open channel edit dialog.
void ApplyIdLengthRule(AppContext& app);

} // namespace pmr
