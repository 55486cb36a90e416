// The compare shows a radio-wide value as its window shows it: every entry a
// user can choose in a settings window is the text the members table gives
// the value that entry stores.

#include "SettingsTestSupport.h"
#include "document/DocumentCompare.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace pmr {
namespace {

using testing::Choose;
using testing::Harness;
using testing::TestInstall;

/// A shown value without the stored number the compare adds when two values
/// show alike ("On (5)").
std::string WithoutNumber(const std::string& shown) {
    const std::size_t at = shown.rfind(" (");
    if (at == std::string::npos || shown.back() != ')')
        return shown;
    const std::string number = shown.substr(at + 2, shown.size() - at - 3);
    const bool digits =
        !number.empty() && number.find_first_not_of("-0123456789") == std::string::npos;
    return digits ? shown.substr(0, at) : shown;
}

TEST(SettingsWindows, EveryEntryIsShownAsTheCompareShowsItsValue) {
    TestInstall install;
    Harness h(install, false, 1);
    // Channels and presets in use fill the number lists.
    h.app.doc.FmPresets[0] = {0, FixedText<8>("09050000")};
    h.app.doc.FmPresets[1] = {0, FixedText<8>("10000000")};
    h.app.doc.Settings.Dtmf.DialMemory[0] = {2, FixedText<16>("12")};
    h.app.doc.Settings.Alert.IdType = 1;
    h.app.doc.Settings.Scan.Mode = 1;
    h.app.doc.Settings.Scan.PriorityMode = 3;
    const char* menus[] = {"mnuOptFeature", "MnuDTMF", "MnuKey", "MnuScan", "MnuAlert"};
    int checked = 0;
    for (const char* menu : menus) {
        SCOPED_TRACE(menu);
        h.Menu(menu)->trigger();
        QWidget* w = h.main->Mdi()->activeSubWindow()->widget();
        for (QComboBox* list : w->findChildren<QComboBox*>()) {
            if (!list->isVisibleTo(w) || !list->isEnabled())
                continue;
            SCOPED_TRACE(list->objectName().toStdString());
            for (int entry = 0; entry < list->count(); ++entry) {
                // From another entry, so that choosing this one changes a member.
                Choose(list, entry == 0 ? list->count() - 1 : 0);
                const RadioDocument before = h.app.doc;
                Choose(list, entry);
                const auto found = CompareDocuments(before, h.app.doc, h.app.texts);
                if (found.empty())
                    continue; // two entries that store the same value
                const std::string shown = list->itemText(entry).toStdString();
                bool named = false;
                for (const DocumentDifference& d : found)
                    named = named || WithoutNumber(d.newValue) == shown;
                EXPECT_TRUE(named) << "entry " << entry << " \"" << shown << "\" is shown as \""
                                   << found[0].newValue << "\" (" << found[0].name.key << ")";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 200);
}

} // namespace
} // namespace pmr
