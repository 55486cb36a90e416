// Text that reaches a settings box without a typed key (the middle button's
// selection paste, a drop, an input method) is held to the box's characters
// as typed keys are: refused characters are dropped, the others enter, and
// the document stores exactly what the box shows. Ctrl+V stays without effect.

#include "SettingsTestSupport.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmEmbMsg.h"
#include "editors/settings/FrmOptFeatures.h"
#include "editors/settings/FrmRadio.h"
#include "editors/shared/CharacterBoxRow.h"
#include "editors/shared/DocumentRowGrid.h"
#include "gui/editors/shared/TextEntryRoutes.h"

#include <QLineEdit>

namespace pmr {
namespace {

using testing::Harness;
using testing::Open;
using testing::TestInstall;

struct Route {
    const char* name;
    void (*enter)(QLineEdit*, const QString&);
};
const Route kRoutes[] = {
    {"middle-button paste", testing::PasteSelection},
    {"drop", testing::DropText},
    {"input method", testing::CommitInputMethod},
};

/// The box emptied by the user, as a select-all and Backspace would.
void Empty(QLineEdit* box) {
    box->selectAll();
    box->backspace();
}

TEST(TextEntryWithoutKeys, MessageLinesStoreOnlyTheCharactersTheyShow) {
    TestInstall install;
    Harness h(install);
    auto* w = Open<FrmEmbMsg>(h, "mnuEmbeddedMsg");
    ASSERT_TRUE(w);
    const FixedText<16>* lines[] = {&h.app.doc.Settings.EmbMsg.Line1, &h.app.doc.Settings.EmbMsg.Line2,
                                    &h.app.doc.Settings.EmbMsg.Line3};
    for (int i = 0; i < 3; ++i) {
        const Route& route = kRoutes[i];
        SCOPED_TRACE(route.name);
        route.enter(w->Line(i), QString::fromUtf8("Grüße中 !"));
        EXPECT_EQ(w->Line(i)->text(), "Gre !");
        EXPECT_EQ(lines[i]->raw(), std::string("Gre !\0          ", 16));
    }

    // The clipboard's paste key does nothing, whatever the clipboard holds.
    QGuiApplication::clipboard()->setText(QStringLiteral("PASTED"));
    QLineEdit* last = w->Line(3);
    last->setFocus();
    QTest::keyClick(last, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(last->text(), "");
}

TEST(TextEntryWithoutKeys, PowerOnBoxesTakeOnlyLettersAndDigits) {
    TestInstall install;
    Harness h(install);
    // A character the boxes refuse, as another program may have stored it,
    // is shown and kept until the user changes it.
    h.app.doc.Settings.Opt.PowerOnText = "           -";
    auto* w = Open<FrmOptFeatures>(h, "mnuOptFeature");
    ASSERT_TRUE(w);
    CharacterBoxRow* row = w->PowerOnText();
    EXPECT_EQ(row->Box(11)->text(), "-");
    std::string expected = "           -";
    for (int i = 0; i < 3; ++i) {
        const Route& route = kRoutes[i];
        SCOPED_TRACE(route.name);
        route.enter(row->Box(2 * i), QString::fromUtf8("é"));
        EXPECT_EQ(row->Box(2 * i)->text(), "");
        route.enter(row->Box(2 * i + 1), QStringLiteral("k"));
        EXPECT_EQ(row->Box(2 * i + 1)->text(), "k");
        expected[static_cast<std::size_t>(2 * i + 1)] = 'k';
        EXPECT_EQ(h.app.doc.Settings.Opt.PowerOnText.raw(), expected);
    }
}

TEST(TextEntryWithoutKeys, DtmfCodeBoxesTakeDtmfSymbolsAsTypedKeysWould) {
    TestInstall install;
    Harness h(install, false, 1);
    auto* w = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(w);
    const DtmfCode* codes[] = {&h.app.doc.Settings.Dtmf.BotCode, &h.app.doc.Settings.Dtmf.StunCode,
                               &h.app.doc.Settings.Dtmf.DialMemory[0]};
    const int boxes[] = {0, 2, 4};
    for (int i = 0; i < 3; ++i) {
        const Route& route = kRoutes[i];
        SCOPED_TRACE(route.name);
        QLineEdit* box = w->CodeBox(boxes[i]);
        route.enter(box, QStringLiteral("9Z-q"));
        EXPECT_EQ(box->text(), "9");
        EXPECT_EQ(codes[i]->Len, 1);
        Empty(box);
        route.enter(box, QStringLiteral("1a#\t*d"));
        EXPECT_EQ(box->text(), "1A#*D");
        EXPECT_EQ(codes[i]->Digits.raw(), "1A#*D           ");
        EXPECT_EQ(codes[i]->Len, 5);
    }
}

TEST(TextEntryWithoutKeys, TheFmFrequencyBoxTakesDigitsAndThePointOnly) {
    TestInstall install;
    Harness h(install);
    auto* w = Open<FrmRadio>(h, "MnuRadioFre");
    ASSERT_TRUE(w);
    DocumentRowGrid* grid = w->Grid();
    for (int i = 0; i < 3; ++i) {
        const Route& route = kRoutes[i];
        SCOPED_TRACE(route.name);
        grid->EditCell(i, 1);
        ASSERT_TRUE(grid->Editor());
        Empty(grid->Editor());
        route.enter(grid->Editor(), QString::fromUtf8("88.9 MHz½"));
        EXPECT_EQ(grid->Editor()->text(), "88.9");
        grid->CommitOpenEdit();
        EXPECT_EQ(h.app.doc.FmPresets[static_cast<std::size_t>(i)].Freq.raw(), "08890000");
    }
}

} // namespace
} // namespace pmr
