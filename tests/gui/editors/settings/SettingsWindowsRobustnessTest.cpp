// Whatever is chosen in whatever order, in every settings window, with a full
// table, with an empty one and with no DTMF memory in use: nothing crashes and
// the document keeps its invariants.

#include "GuiTestSupport.h"
#include "files/DocumentSoundness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <random>

namespace pmr {
namespace {

using testing::Harness;
using testing::TestInstall;

TEST(SettingsWindows, AnyChoiceInAnyOrderKeepsTheDocumentSound) {
    TestInstall install;
    Harness h(install, false, 1);
    std::mt19937 rng(446);
    const char* menus[] = {"mnuOptFeature", "MnuDTMF", "MnuRadioFre", "mnuEmbeddedMsg",
                           "MnuKey",        "MnuScan", "MnuAlert"};
    for (const int channels : {2, 0}) {
        h.app.doc.ChannelCount = static_cast<Integer>(channels);
        for (int round = 0; round < 3; ++round) {
            for (const char* menu : menus) {
                SCOPED_TRACE(menu);
                h.Menu(menu)->trigger();
                QWidget* w = h.main->Mdi()->activeSubWindow()->widget();
                auto lists = w->findChildren<QComboBox*>();
                auto checks = w->findChildren<QCheckBox*>();
                for (int step = 0; step < 60 && !lists.isEmpty(); ++step) {
                    QComboBox* list = lists[static_cast<int>(rng() % lists.size())];
                    if (list->count() > 0 && list->isEnabled()) {
                        const int entry = static_cast<int>(rng() % list->count());
                        list->setCurrentIndex(entry);
                        emit list->activated(entry);
                    }
                    if (!checks.isEmpty() && rng() % 3 == 0)
                        checks[static_cast<int>(rng() % checks.size())]->click();
                }
                EXPECT_EQ(FindDocumentFlaw(h.app.doc), DocumentFlaw::None);
            }
            h.main->CloseCurAllWindows();
        }
    }
}

} // namespace
} // namespace pmr
