#include "StandardWindows.h"

#include "ChildWindowRegistry.h"
#include "dialogs/FrmRadioInfo.h"
#include "editors/channels/FrmCHInfoEdit.h"
#include "editors/channels/frmCommChInfo.h"
#include "frmMain.h"

namespace pmr {

void RegisterStandardWindows(ChildWindowRegistry& registry) {
    registry.Register(QStringLiteral("FrmRadioInfo"),
                      [](frmMain& main) -> QWidget* { return new FrmRadioInfo(main); });
    registry.Register(QStringLiteral("frmCommChInfo"),
                      [](frmMain& main) -> QWidget* { return new frmCommChInfo(main); });
    registry.Register(QStringLiteral("FrmCHInfoEdit"),
                      [](frmMain& main) -> QWidget* { return new FrmCHInfoEdit(main); });
}

} // namespace pmr
