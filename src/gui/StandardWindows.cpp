#include "StandardWindows.h"

#include "ChildWindowRegistry.h"
#include "dialogs/FrmRadioInfo.h"
#include "frmMain.h"

namespace pmr {

void RegisterStandardWindows(ChildWindowRegistry& registry) {
    registry.Register(QStringLiteral("FrmRadioInfo"),
                      [](frmMain& main) -> QWidget* { return new FrmRadioInfo(main); });
}

} // namespace pmr
