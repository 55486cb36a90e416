// The radio-wide settings windows as a user meets them: opening normalises
// what fits no entry, choices and typed keys reach the document at once, and
// the rules between fields hold.

#include "SettingsTestSupport.h"
#include "document/ChannelField.h"
#include "document/ChannelTable.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmEmbMsg.h"
#include "editors/settings/FrmOptFeatures.h"
#include "editors/settings/FrmRadio.h"
#include "editors/shared/CharacterBoxRow.h"
#include "editors/shared/DocumentRowGrid.h"
#include "editors/shared/FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>

namespace pmr {
namespace {

using testing::Harness;
using testing::Choose;
using testing::Open;
using testing::TestInstall;
using testing::Type;

TEST(FieldBinding, EachMappingShowsTheEntryOfTheStoredValueAndWritesItsOwnValueBack) {
    struct Case {
        const char* what;
        QStringList entries;
        ListMapping mapping;
        int stored;
        int shownEntry;
        int writtenBack;
    };
    const Case cases[] = {
        {"index", {"a", "b", "c"}, ListMapping::Index(), 2, 2, 2},
        {"index out of the list", {"a", "b", "c"}, ListMapping::Index(), 7, 0, 0},
        {"scaled seconds", {"off", "15", "30", "45", "60", "75", "90", "105"},
         ListMapping::Scaled(15), 100, 6, 90},
        {"table", {"first", "second"}, ListMapping::Table({0, 2}), 1, 0, 0},
        {"table hit", {"first", "second"}, ListMapping::Table({0, 2}), 2, 1, 2},
        {"entry text x50", {"50", "100", "150"}, ListMapping::EntryText(50), 0, 0, 1},
        {"entry text number", {"3", "9", "17"}, ListMapping::EntryText(), 17, 2, 17},
        {"empty list keeps", {}, ListMapping::EntryText(), 42, -1, 42},
    };
    testing::App();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QComboBox list;
        list.addItems(c.entries);
        Integer member = static_cast<Integer>(c.stored);
        int afters = 0;
        FieldBindings b;
        b.BindList(&list, Field(member), c.mapping, [&afters] { ++afters; });
        b.ShowAll();
        EXPECT_EQ(list.currentIndex(), c.shownEntry);
        EXPECT_EQ(member, c.writtenBack);
        if (list.count() > 1) { // a user's choice commits, with its rule
            Choose(&list, 1);
            EXPECT_EQ(member, c.mapping.ValueOf(list, 1));
            EXPECT_EQ(afters, 2);
        }
    }
}

TEST(FrmOptFeatures, OpeningNormalisesAndTheDisplayModeRulesTheWorkMode) {
    TestInstall install;
    Harness h(install);
    OptFeatures& o = h.app.doc.Settings.Opt;
    o.Tot = 100;
    o.VoicePrompt = 1;
    o.ChannelLock = 1;
    o.DisplayMode = 0;
    o.SqlLevel = 12;
    auto* w = Open<FrmOptFeatures>(h, "mnuOptFeature");
    ASSERT_TRUE(w);
    EXPECT_EQ(o.Tot, 90);
    EXPECT_EQ(w->List("cboTot")->currentText(), "90");
    EXPECT_EQ(o.VoicePrompt, 0);
    EXPECT_EQ(o.ChannelLock, 0);
    EXPECT_EQ(o.SqlLevel, 0);
    EXPECT_EQ(o.PowerOnText.raw(), std::string(12, ' ')); // the NUL default, as twelve spaces

    QComboBox* work = w->List("cboWorkMode");
    Choose(w->List("cboDisplayMode"), 1);
    EXPECT_EQ(o.WorkMode, 1);
    EXPECT_FALSE(work->isEnabled());
    Choose(w->List("cboDisplayMode"), 2);
    EXPECT_TRUE(work->isEnabled());
}

TEST(FrmOptFeatures, PowerOnBoxesTakeLettersAndDigitsAndMoveOn) {
    TestInstall install;
    Harness h(install);
    auto* w = Open<FrmOptFeatures>(h, "mnuOptFeature");
    ASSERT_TRUE(w);
    CharacterBoxRow* row = w->PowerOnText();
    Type(row->Box(0), "A-B");
    EXPECT_EQ(row->Box(0)->text(), "A");
    EXPECT_EQ(row->Box(1)->text(), "B");
    EXPECT_EQ(h.app.doc.Settings.Opt.PowerOnText.raw(), "AB          ");
    Type(row->Box(11), "Z");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "chkNoInit");
}

TEST(FrmOptFeatures, AFlagOtherThanZeroOrOneShowsAndStaysAsTheRadioReadsIt) {
    // The radio keeps each flag as one bit, which the image codec sets for any
    // value but 0: such a value opens ticked and is stored as 1.
    TestInstall install;
    Harness h(install, false, 1);
    OptFeatures& o = h.app.doc.Settings.Opt;
    o.NoInit = 2;
    o.VoxTone = -1;
    o.NoSigTailElim = 0;
    o.Whisper = 7; // kept without a visible box
    h.app.doc.Settings.Dtmf.SideTone = 5;
    auto* w = Open<FrmOptFeatures>(h, "mnuOptFeature");
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->findChild<QCheckBox*>("chkNoInit")->isChecked());
    EXPECT_TRUE(w->findChild<QCheckBox*>("chkVoxTone")->isChecked());
    EXPECT_FALSE(w->findChild<QCheckBox*>("chkNoSigTailElim")->isChecked());
    EXPECT_EQ(o.NoInit, 1);
    EXPECT_EQ(o.VoxTone, 1);
    EXPECT_EQ(o.NoSigTailElim, 0);
    EXPECT_EQ(o.Whisper, 1);
    auto* dtmf = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(dtmf);
    EXPECT_TRUE(dtmf->findChild<QCheckBox*>("chkSideTone")->isChecked());
    EXPECT_EQ(h.app.doc.Settings.Dtmf.SideTone, 1);
}

TEST(FrmOptFeatures, ChannelListsFollowTheTableAndAnEmptyTableGreysThem) {
    TestInstall install;
    Harness h(install);
    OptFeatures& o = h.app.doc.Settings.Opt;
    ASSERT_TRUE(AddChannel(h.app, 5, "446.05625"));
    o.CurrentCh = 5;
    auto* w = Open<FrmOptFeatures>(h, "mnuOptFeature");
    ASSERT_TRUE(w);
    QComboBox* current = w->List("cboCurrentCh");
    EXPECT_EQ(current->currentText(), "5");
    DeleteChannelAt(h.app, FindChannelIndex(h.app.doc, 5)); // the open window rebuilds its lists
    EXPECT_EQ(current->count(), 1);
    EXPECT_EQ(o.CurrentCh, 1);

    o.DirectCh1 = 1;
    DeleteChannelAt(h.app, FindChannelIndex(h.app.doc, 1));
    EXPECT_EQ(current->count(), 0);
    EXPECT_FALSE(current->isEnabled());
    EXPECT_FALSE(w->List("cboWorkMode")->isEnabled());
    EXPECT_EQ(o.WorkMode, 0);
    EXPECT_EQ(o.CurrentCh, 1); // kept while no channel can replace it
    EXPECT_EQ(o.DirectCh1, 1);
}

TEST(FrmDTMF, OpeningNormalisesTimingsAndCodesTakeDtmfSymbolsOnly) {
    TestInstall install;
    Harness h(install);
    DtmfSettings& d = h.app.doc.Settings.Dtmf;
    d.FirstDigitTime = 3;
    auto* w = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->List("cboRate")->currentText(), "50");
    EXPECT_EQ(w->List("cboFirstDelay")->currentText(), "100");
    EXPECT_EQ(d.DtmfRate, 1);
    EXPECT_EQ(d.FirstDigitDelay, 2);
    EXPECT_EQ(d.FirstDigitTime, 0);

    Type(w->CodeBox(0), "12ab*#e");
    EXPECT_EQ(w->CodeBox(0)->text(), "12AB*#");
    EXPECT_EQ(d.BotCode.Len, 6);
    EXPECT_EQ(d.BotCode.Digits.raw(), "12AB*#          ");
}

TEST(FrmDTMF, SignallingShortensLongIdCodesAndEnablesTheMiddleCode) {
    TestInstall install;
    Harness h(install);
    ChannelRecord* ch = FindChannel(h.app.doc, 1);
    ASSERT_TRUE(ch);
    ch->IdCode = "12345";
    ch->IdCodeMaxLen = 10;
    auto* w = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->List("cboMiddleCode")->isEnabled());
    Choose(w->List("cboSignalling"), 1);
    EXPECT_TRUE(w->List("cboMiddleCode")->isEnabled());
    EXPECT_EQ(ch->IdCodeMaxLen, 3);
    EXPECT_EQ(TrimFix(ch->IdCode), "000");
    Choose(w->List("cboSignalling"), 0);
    EXPECT_EQ(ch->IdCodeMaxLen, 10);
    EXPECT_EQ(TrimFix(ch->IdCode), "000");
}

TEST(FrmDTMF, ClearingAMemoryTheEditDialogShowsMakesItsListShowNone) {
    TestInstall install;
    Harness h(install, false, 1, false);
    h.app.doc.Settings.Dtmf.DialMemory[4] = DtmfCodeFromText("555");
    FindChannel(h.app.doc, 1)->AutoDialMem = 5;
    QWidget* edit = h.main->ShowModelessWindow(QStringLiteral("FrmCHInfoEdit"));
    ASSERT_TRUE(edit);
    auto* memories = edit->findChild<QComboBox*>(QStringLiteral("cboAutoDial"));
    ASSERT_TRUE(memories);
    ASSERT_EQ(memories->currentText(), "5");
    auto* w = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(w);
    QLineEdit* memory5 = w->CodeBox(4 + 4);
    memory5->clear();
    emit memory5->textEdited(QString());
    EXPECT_EQ(memories->currentIndex(), 0);
    EXPECT_EQ(memories->findText(QStringLiteral("5")), -1);
    edit->close();
}

TEST(FrmDTMF, EmptyingAMemoryThatChannelsCallNamesThoseChannels) {
    TestInstall install;
    Harness h(install, false, 1);
    ASSERT_TRUE(AddChannel(h.app, 7, "446.05625"));
    ASSERT_TRUE(AddChannel(h.app, 3, "446.03125"));
    DtmfSettings& d = h.app.doc.Settings.Dtmf;
    d.DialMemory[4] = DtmfCodeFromText("555");
    FindChannel(h.app.doc, 7)->AutoDialMem = 5;
    FindChannel(h.app.doc, 3)->AutoDialMem = 5;
    FindChannel(h.app.doc, 1)->AutoDialMem = 2; // memory 2 was empty already
    auto* w = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(w);
    w->findChild<QTabWidget*>()->setCurrentIndex(2);
    QLabel* note = w->EmptyMemoryNote();
    const auto line = [&h](int memory, const char* channels) {
        return h.Text(9140).replace("%1", QString::number(memory)).replace("%2", channels);
    };
    EXPECT_EQ(note->text(), line(2, "1"));
    EXPECT_TRUE(note->isVisibleTo(w));

    QLineEdit* memory5 = w->CodeBox(4 + 4);
    Type(memory5, "");
    memory5->end(false);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(memory5, Qt::Key_Backspace);
    EXPECT_EQ(d.DialMemory[4].Len, 0);
    EXPECT_EQ(note->text(), line(2, "1") + "\n" + line(5, "7, 3"));

    QTest::keyClicks(memory5, "9");
    Choose(w->List("cboSignalling"), 0); // the note follows the memories, not other choices
    EXPECT_EQ(note->text(), line(2, "1"));
    SetChannelField(h.app, h.ui, 1, kColAutoDialMem, 0); // as the channel edit dialog does
    EXPECT_FALSE(note->isVisibleTo(w));
}

TEST(FrmEmbMsg, LinesAreStoredWithANulOnlyWhenShorter) {
    TestInstall install;
    Harness h(install);
    EmbMessage& m = h.app.doc.Settings.EmbMsg;
    m.Line2 = std::string("HELLO\0WORLD", 11);
    auto* w = Open<FrmEmbMsg>(h, "mnuEmbeddedMsg");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Line(1)->text(), "HELLO");
    Type(w->Line(0), "0123456789ABCDEF");
    EXPECT_EQ(m.Line1.raw(), "0123456789ABCDEF");
    w->Line(0)->backspace();
    emit w->Line(0)->textEdited(w->Line(0)->text());
    EXPECT_EQ(m.Line1.raw(), std::string("0123456789ABCDE\0", 16));
    w->Line(0)->clear();
    emit w->Line(0)->textEdited(QString());
    EXPECT_EQ(m.Line1.raw(), std::string("\0               ", 16));
}

TEST(FrmRadio, EnteredFrequenciesAreCheckedStoredAndFollowedByTheFmCurrentPreset) {
    TestInstall install;
    Harness h(install);
    auto* w = Open<FrmRadio>(h, "MnuRadioFre");
    ASSERT_TRUE(w);
    DocumentRowGrid* grid = w->Grid();
    auto enter = [&](int row, const QString& text) {
        grid->EditCell(row, 1);
        ASSERT_TRUE(grid->Editor());
        grid->Editor()->setText(text);
        QTest::keyClick(grid->Editor(), Qt::Key_Return);
        QApplication::processEvents();
    };
    enter(0, "88.88");
    EXPECT_EQ(h.app.doc.FmPresets[0].Freq.raw(), "08890000");
    EXPECT_EQ(h.app.doc.FmPresets[0].IsEmpty, 0);
    EXPECT_EQ(grid->item(0, 1)->text(), "88.90000");
    EXPECT_EQ(grid->currentRow(), 1); // Enter moved down
    ASSERT_TRUE(grid->Editor());
    enter(19, "120");
    EXPECT_EQ(grid->item(19, 1)->text(), "108.00000");
    EXPECT_EQ(grid->currentRow(), 0); // and wrapped
    EXPECT_EQ(grid->Editor()->text(), "88.900");

    h.app.doc.Settings.Opt.FmWorkMode = 1;
    enter(19, "");
    enter(0, "");
    EXPECT_EQ(h.app.doc.FmPresets[0].IsEmpty, 1);
    EXPECT_EQ(grid->item(0, 1)->text(), "");
    EXPECT_EQ(h.app.doc.Settings.Opt.FmWorkMode, 0);
}

TEST(FrmRadio, AWriteCommitsTheCellBeingEdited) {
    TestInstall install;
    Harness h(install);
    auto* w = Open<FrmRadio>(h, "MnuRadioFre");
    ASSERT_TRUE(w);
    DocumentRowGrid* grid = w->Grid();
    grid->EditCell(4, 1);
    ASSERT_TRUE(grid->Editor());
    grid->Editor()->setText("50");
    h.main->CommitEdits(true);
    EXPECT_EQ(h.app.doc.FmPresets[4].Freq.raw(), "07600000");
}

TEST(FrmRadio, EveryPresetIsInViewInEitherLanguage) {
    for (const int language : {1, 2}) {
        SCOPED_TRACE(language);
        TestInstall install(language);
        Harness h(install);
        h.main->OnActivated(); // takes the language of the setup file
        auto* w = Open<FrmRadio>(h, "MnuRadioFre");
        ASSERT_TRUE(w);
        QApplication::processEvents();
        DocumentRowGrid* grid = w->Grid();
        EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
        EXPECT_GE(grid->viewport()->height(), grid->rowCount() * grid->rowHeight(0));
    }
}

} // namespace
} // namespace pmr
