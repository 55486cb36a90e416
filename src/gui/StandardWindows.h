#pragma once
// The child windows of this program, registered by name with the main window.

namespace pmr {

class ChildWindowRegistry;

/// Registers every child window kind the program has (FrmRadioInfo, ...).
void RegisterStandardWindows(ChildWindowRegistry& registry);

} // namespace pmr
