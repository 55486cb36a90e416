#pragma once
// How the document operations reach the windows that show the document. Each
// window sets its hook while it is open and clears it when it closes; an empty
// hook means the window is closed. Nothing here owns a window.

#include "document/CalendarDate.h"

#include <functional>

namespace pmr {

struct DocumentHooks {
    /// Today's date; the system's local date when empty.
    std::function<CalendarDate()> Today;
};

} // namespace pmr
