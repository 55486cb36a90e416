#include "StandardWindows.h"

#include "ChildWindowRegistry.h"
#include "dialogs/FrmRadioInfo.h"
#include "editors/batch/FrmCHBatch.h"
#include "editors/channels/FrmCHInfoEdit.h"
#include "editors/channels/frmCommChInfo.h"
#include "editors/factory/FrmTestData.h"
#include "editors/factory/FrmTestFre.h"
#include "editors/settings/FrmAlert.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmEmbMsg.h"
#include "editors/settings/FrmKey.h"
#include "editors/settings/FrmOptFeatures.h"
#include "editors/settings/FrmRadio.h"
#include "editors/settings/FrmScan.h"
#include "frmMain.h"

namespace pmr {

namespace {

EditorContext ContextOf(frmMain& main) {
    return {main.App(), main.Ui(), [&main](int topic) { main.ShowHelpTopic(topic); }};
}

template <typename Editor> QWidget* Make(frmMain& main) {
    return new Editor(ContextOf(main), *FindWindowRow(QString::fromLatin1(Editor::kName)));
}

constexpr WindowRow kWindows[] = {
    // The channel grid reaches the main window through its channel host.
    {"frmCommChInfo", "mnuChannelInfo", "N1", 14012, 3100, true,
     [](frmMain& main) -> QWidget* {
         return new frmCommChInfo(ContextOf(main), main,
                                  *FindWindowRow(QString::fromLatin1(frmCommChInfo::kName)));
     }},
    {"FrmCHInfoEdit", nullptr, nullptr, 15000, 3100, true, &Make<FrmCHInfoEdit>},
    {"FrmOptFeatures", "mnuOptFeature", "N2", 16000, 3200, true, &Make<FrmOptFeatures>},
    {"FrmRadio", "MnuRadioFre", "N3", 17000, 3300, true, &Make<FrmRadio>},
    {"FrmDTMF", "MnuDTMF", "N4", 18000, 3400, true, &Make<FrmDTMF>},
    // The key, scan and alert pages have topics of their own: the numbers the
    // older help gave them belong to the DTMF, message and information pages.
    {"FrmKey", "MnuKey", "N8", 29000, 3800, true, &Make<FrmKey>},
    {"FrmScan", "MnuScan", "N9", 28000, 3900, true, &Make<FrmScan>},
    {"FrmAlert", "MnuAlert", "N10", 27000, 3950, true, &Make<FrmAlert>},
    {"FrmTestFre", "MnuTestFre", nullptr, 19000, 3960, true, &Make<FrmTestFre>},
    // The test data dialog has fixed captions of its own and no Help button;
    // F1 opens its topic.
    {"FrmTestData", "mnuTestData", "N11", 0, 3970, false,
     [](frmMain& main) -> QWidget* {
         const WindowRow& row = *FindWindowRow(QString::fromLatin1(FrmTestData::kName));
         return new FrmTestData(main.App(), main.Ui(), row.helpTopic, &main);
     }},
    {"FrmEmbMsg", "mnuEmbeddedMsg", "N6", 20000, 3500, true, &Make<FrmEmbMsg>},
    {"FrmRadioInfo", nullptr, nullptr, 21000, 3600, false, &Make<FrmRadioInfo>},
    {"FrmCHBatch", "MnuCHBatch", nullptr, 26000, 3700, false, &Make<FrmCHBatch>},
};

} // namespace

const WindowRow* WindowTable(int* count) {
    *count = static_cast<int>(std::size(kWindows));
    return kWindows;
}

const WindowRow* FindWindowRow(const QString& name) {
    for (const WindowRow& row : kWindows)
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

void RegisterStandardWindows(ChildWindowRegistry& registry) {
    for (const WindowRow& row : kWindows)
        if (row.create)
            registry.Register(QString::fromLatin1(row.name), row.create);
}

} // namespace pmr
