// The batch channel settings dialog as the user drives it: the item switches
// kept in BatchFun.ini, the modes that enable their controls, and Apply.

#include "GuiTestSupport.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/TrimFix.h"
#include "editors/batch/FrmCHBatch.h"
#include "gui/editors/shared/TextEntryRoutes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

namespace pmr::testing {
namespace {

/// Opens the dialog through the main window and runs `steps` on it.
void WithBatchDialog(Harness& h, const std::function<void(FrmCHBatch&)>& steps) {
    bool ran = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        auto* batch = dynamic_cast<FrmCHBatch*>(&dialog);
        EXPECT_NE(batch, nullptr);
        if (batch) {
            steps(*batch);
            ran = true;
        }
        return int(QDialog::Rejected);
    });
    h.main->ShowChildWindow(QStringLiteral("FrmCHBatch"));
    EXPECT_TRUE(ran);
}

template <typename W> W* Child(QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Turns on only the given edit items, as if the user had left just these ticked.
void SwitchOnly(Harness& h, std::initializer_list<int> items) {
    h.app.config.BatchSwitches.fill(0);
    for (int item : items)
        h.app.config.BatchSwitches[item] = 1;
}

QByteArray SwitchFile(const TestInstall& install) {
    QFile file(install.ProgramFolder() + "/BatchFun.ini");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(BatchDialog, EverySwitchChangeIsKeptInTheFileAndShowsItsControls) {
    TestInstall install;
    Harness h(install);
    SwitchOnly(h, {kBatchName});
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        EXPECT_EQ(w.windowTitle(), h.Text(26000));
        EXPECT_TRUE(w.Switch(kBatchName)->isChecked());
        EXPECT_TRUE(w.ItemRow(kBatchName)->isVisibleTo(&w));
        EXPECT_FALSE(w.ItemRow(kBatchRxFreq)->isVisibleTo(&w));

        auto* selectItems = Child<QPushButton>(w, "cmdSelectItems");
        EXPECT_FALSE(w.SwitchList()->isVisibleTo(&w));
        selectItems->click();
        EXPECT_TRUE(w.SwitchList()->isVisibleTo(&w));
        EXPECT_EQ(selectItems->text(), h.Text(26006));

        w.Switch(kBatchRxFreq)->click();
        EXPECT_TRUE(w.ItemRow(kBatchRxFreq)->isVisibleTo(&w));
        QByteArray bytes = SwitchFile(install);
        ASSERT_EQ(bytes.size(), kBatchItemCount);
        EXPECT_EQ(bytes[kBatchRxFreq], 1);
        EXPECT_EQ(bytes[kBatchName], 1);
        EXPECT_EQ(bytes[kBatchTxFreq], 0);

        Child<QPushButton>(w, "cmdSelectAll")->click();
        EXPECT_EQ(SwitchFile(install), QByteArray(kBatchItemCount, 1));
        EXPECT_TRUE(w.ItemRow(kBatchCompander)->isVisibleTo(&w));
        Child<QPushButton>(w, "cmdSelectNone")->click();
        EXPECT_EQ(SwitchFile(install), QByteArray(kBatchItemCount, 0));
        for (int item = 0; item < kBatchItemCount; ++item)
            EXPECT_FALSE(w.ItemRow(item)->isVisibleTo(&w)) << item;
    });
}

TEST(BatchDialog, ModesEnableTheControlsTheyUse) {
    TestInstall install;
    Harness h(install);
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        auto* from = Child<QLineEdit>(w, "txtFromChannel");
        auto* offset = Child<QLineEdit>(w, "txtTxOffset");
        auto* txStart = Child<QLineEdit>(w, "txtTxStart");
        auto* encodeStart = Child<QComboBox>(w, "cboTxToneStart");
        auto* encodeRandom = Child<QCheckBox>(w, "chkTxToneRandom");
        EXPECT_FALSE(from->isEnabled());
        EXPECT_FALSE(offset->isEnabled());
        EXPECT_FALSE(encodeStart->isEnabled()); // the encode tone follows the decode tone
        Child<QRadioButton>(w, "optFromChannel")->click();
        Child<QRadioButton>(w, "optTxOffset")->click();
        EXPECT_TRUE(from->isEnabled());
        EXPECT_TRUE(offset->isEnabled());
        EXPECT_FALSE(txStart->isEnabled());
        Child<QRadioButton>(w, "optTxStart")->click();
        EXPECT_FALSE(offset->isEnabled());
        EXPECT_TRUE(txStart->isEnabled());
        Child<QCheckBox>(w, "chkTxToneDefault")->click();
        EXPECT_TRUE(encodeStart->isEnabled());
        encodeRandom->click();
        EXPECT_FALSE(encodeStart->isEnabled());

        // A box is put right as it loses the focus.
        w.show();
        QApplication::setActiveWindow(&w);
        auto* to = Child<QLineEdit>(w, "txtToChannel");
        to->setFocus();
        ASSERT_TRUE(WaitFor([to] { return to->hasFocus(); }, 2000));
        to->setText("300");
        from->setFocus();
        EXPECT_TRUE(WaitFor([to] { return to->text() == "128"; }, 2000))
            << to->text().toStdString();
        w.hide();
    });
}

TEST(BatchDialog, ApplyChangesTheDocumentAndTellsTheChannelWindows) {
    TestInstall install;
    Harness h(install);
    SwitchOnly(h, {kBatchRxFreq, kBatchName});
    int tableEvents = 0;
    DocumentSubscription listen(h.app.docState.Events, Kinds(DocumentChange::ChannelTable),
                                [&](auto...) { ++tableEvents; });
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        Child<QRadioButton>(w, "optFromChannel")->click();
        Child<QLineEdit>(w, "txtFromChannel")->setText("5");
        Child<QLineEdit>(w, "txtToChannel")->setText("3");
        auto* start = Child<QLineEdit>(w, "txtRxStart");
        start->setText("446.1"); // between two PMR446 channels
        auto* step = Child<QLineEdit>(w, "txtRxStep");
        step->setText("13"); // nearest a whole channel
        Child<QLineEdit>(w, "txtNameFixed")->setText("AB1");
        Child<QPushButton>(w, "cmdApply")->click();
        EXPECT_EQ(start->text(), "446.09375");
        EXPECT_EQ(step->text(), "12.5");
    });
    EXPECT_EQ(tableEvents, 1);
    const char* want[] = {"44609375", "44610625", "44611875"};
    for (int no = 3; no <= 5; ++no) {
        const ChannelRecord* e = FindChannel(h.app.doc, no);
        ASSERT_NE(e, nullptr) << no;
        EXPECT_EQ(TrimFix(e->RxFreq), want[no - 3]) << no;
        EXPECT_EQ(TrimFix(e->Name), "AB1") << no;
    }
    EXPECT_TRUE(h.ui.Messages().empty());
}

TEST(BatchDialog, PastedDroppedAndInputMethodTextKeepsToEachBoxsCharacters) {
    TestInstall install;
    Harness h(install);
    SwitchOnly(h, {kBatchRxFreq, kBatchName});
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        Child<QRadioButton>(w, "optFromChannel")->click();
        auto* from = Child<QLineEdit>(w, "txtFromChannel");
        from->clear();
        PasteSelection(from, "#2");
        EXPECT_EQ(from->text(), "2");
        auto* to = Child<QLineEdit>(w, "txtToChannel");
        to->clear();
        DropText(to, QString::fromUtf8("３4"));
        EXPECT_EQ(to->text(), "4");
        auto* step = Child<QLineEdit>(w, "txtRxStep");
        step->clear();
        CommitInputMethod(step, "12.5 kHz");
        EXPECT_EQ(step->text(), "12.5");
        auto* name = Child<QLineEdit>(w, "txtNameFixed");
        name->clear();
        PasteSelection(name, QString::fromUtf8("Ab-1é"));
        EXPECT_EQ(name->text(), "Ab1");
        Child<QPushButton>(w, "cmdApply")->click();
    });
    for (int no = 2; no <= 4; ++no) {
        const ChannelRecord* e = FindChannel(h.app.doc, no);
        ASSERT_NE(e, nullptr) << no;
        EXPECT_EQ(TrimFix(e->Name), "Ab1") << no;
    }
    EXPECT_EQ(FindChannel(h.app.doc, 5), nullptr);
}

TEST(BatchDialog, FrequenciesThatWouldLeaveTheBandAreNamedInAMessage) {
    TestInstall install;
    Harness h(install);
    SwitchOnly(h, {kBatchRxFreq});
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        Child<QRadioButton>(w, "optFromChannel")->click();
        Child<QLineEdit>(w, "txtFromChannel")->setText("20");
        Child<QLineEdit>(w, "txtToChannel")->setText("22");
        Child<QLineEdit>(w, "txtRxStart")->setText("446.19");
        Child<QLineEdit>(w, "txtRxStep")->setText("12.5");
        Child<QPushButton>(w, "cmdApply")->click();
    });
    EXPECT_NE(FindChannel(h.app.doc, 20), nullptr);
    EXPECT_EQ(FindChannel(h.app.doc, 21), nullptr);
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    EXPECT_EQ(h.ui.Messages()[0].rfind("2 frequencies ", 0), 0u) << h.ui.Messages()[0];
}

TEST(BatchDialog, OneFrequencyOutsideTheBandIsCountedInTheSingular) {
    for (const int language : {1, 2}) {
        TestInstall install(language);
        Harness h(install);
        SwitchOnly(h, {kBatchRxFreq});
        WithBatchDialog(h, [&](FrmCHBatch& w) {
            Child<QRadioButton>(w, "optFromChannel")->click();
            Child<QLineEdit>(w, "txtFromChannel")->setText("20");
            Child<QLineEdit>(w, "txtToChannel")->setText("21");
            Child<QLineEdit>(w, "txtRxStart")->setText("446.19375");
            Child<QLineEdit>(w, "txtRxStep")->setText("12.5");
            Child<QPushButton>(w, "cmdApply")->click();
        });
        const std::string singular = FillMarker(
            FillMarker(h.app.texts.GetLangText(9160), "%1", "1"), "%2", h.app.docState.BandText);
        EXPECT_EQ(h.ui.Messages(), std::vector<std::string>{singular}) << language;
        if (language == 1)
            EXPECT_EQ(singular.rfind("1 frequency would", 0), 0u) << singular;
    }
}

TEST(BatchDialog, PmrTransmitFrequenciesOtherThanTheReceiveAreRefusedAndCounted) {
    TestInstall install;
    Harness h(install);
    SwitchOnly(h, {kBatchTxFreq});
    WithBatchDialog(h, [&](FrmCHBatch& w) {
        Child<QRadioButton>(w, "optFromChannel")->click();
        Child<QLineEdit>(w, "txtFromChannel")->setText("1");
        Child<QLineEdit>(w, "txtToChannel")->setText("1");
        Child<QRadioButton>(w, "optTxOffset")->click();
        Child<QLineEdit>(w, "txtTxOffset")->setText("0.0125");
        Child<QPushButton>(w, "cmdApply")->click();
    });
    const ChannelRecord* one = FindChannel(h.app.doc, 1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->TxShiftDir, 0);
    EXPECT_EQ(h.ui.Messages(),
              std::vector<std::string>{FillMarker(h.app.texts.GetLangText(9166), "%1", "1")});
}

TEST(BatchDialog, TheListsStandInOneColumnOfOneWidthInEitherLanguage) {
    for (const int language : {1, 2}) {
        SCOPED_TRACE(language);
        TestInstall install(language);
        Harness h(install);
        h.main->OnActivated();
        h.app.config.BatchSwitches.fill(1);
        WithBatchDialog(h, [&](FrmCHBatch& w) {
            w.show();
            QApplication::processEvents();
            std::vector<int> widths;
            for (const char* name :
                 {"cboTxPower", "cboOptSignal", "cboPttId", "cboChSpacing", "cboBusyLock",
                  "cboRevTalkMode", "cboAutoDialMem", "cboSignalRelation"})
                if (auto* list = Child<QComboBox>(w, name))
                    widths.push_back(list->width());
            ASSERT_EQ(widths.size(), 8u);
            for (const int width : widths)
                EXPECT_EQ(width, widths.front());
        });
    }
}

} // namespace
} // namespace pmr::testing
