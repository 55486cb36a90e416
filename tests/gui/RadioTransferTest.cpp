// Reading, writing and the radio information through the main window against
// the simulated radio on a pseudo-terminal.

#include "DemoRadio.h"
#include "GuiTestSupport.h"
#include "LinkController.h"
#include "app/SetupValues.h"
#include "PortMapping.h"
#include "dialogs/FrmProgress.h"
#include "dialogs/FrmRadioInfo.h"
#include "link/TransferDriver.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using namespace pmr;
using namespace pmr::testing;

namespace {

const QString kSimulator = QStringLiteral(PMR_SIM_EXECUTABLE);

struct RadioHarness {
    explicit RadioHarness(const TestInstall& install, const QStringList& simArgs = {})
        : h(install), link(h.app, h.ui, *h.main, h.launcher) {
        QString error;
        started = QFileInfo(kSimulator).isExecutable() && radio.Start(kSimulator, error, simArgs);
        if (started)
            link.Mapping().SetOverride(h.app.config.ComPort, radio.Device().toStdString());
    }
    bool Said(int id) const {
        const auto m = h.ui.Messages();
        return std::find(m.begin(), m.end(), h.app.texts.GetLangText(id)) != m.end();
    }
    bool SaidText(const std::string& text) const {
        const auto m = h.ui.Messages();
        return std::find(m.begin(), m.end(), text) != m.end();
    }
    // A read to its end: the 9004 question, the progress window, 9009, the decode.
    bool Read() {
        h.ui.AnswerNext(Answer::Ok);
        h.main->StartRead();
        return WaitFor([&] { return Said(9009) && !link.Busy(); }, 30000);
    }

    Harness h;
    LinkController link;
    DemoRadio radio;
    bool started = false;
};

TEST(RadioTransfer, ReadShowsProgressAndOpensTheDecodedDocument) {
    TestInstall install;
    RadioHarness r(install);
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    r.h.main->ShowChildWindow("FrmRadioInfo");
    r.h.app.docState.CurrentFileName = "/somewhere/else.dat";
    r.h.main->DocumentUntitled = false;
    int highest = 0;
    QObject::connect(r.link.Progress()->ProgressBar1(), &QProgressBar::valueChanged,
                     [&](int v) { highest = std::max(highest, v); });
    bool decodePending = false;
    QStringList openAtFinish{"-"};
    r.h.ui.OnMessage([&](const std::string& text) {
        if (text == r.h.app.texts.GetLangText(9009)) {
            decodePending = r.h.main->ReadOKTimer.isActive();
            openAtFinish = r.h.main->OpenChildWindowNames();
        }
    });
    ASSERT_TRUE(r.Read());
    // The windows closed and the main window's ReadOKTimer runs the decode.
    EXPECT_TRUE(decodePending);
    EXPECT_TRUE(openAtFinish.isEmpty());
    EXPECT_EQ(r.h.ui.Questions(), std::vector<std::string>{r.h.app.texts.GetLangText(9004)});
    EXPECT_GE(highest, 99);
    EXPECT_FALSE(r.link.Progress()->isVisible());
    EXPECT_EQ(r.link.Progress()->windowTitle().toStdString(), r.h.app.texts.GetLangText(9027));
    EXPECT_EQ(r.link.Progress()->Label1()->text().toStdString(), r.h.app.texts.GetLangText(9029));
    EXPECT_TRUE(
        WaitFor([&] { return r.h.main->OpenChildWindowNames() == QStringList{"frmCommChInfo"}; }));
    EXPECT_EQ(r.h.app.docState.CurrentFileName, "new.dat");
    EXPECT_TRUE(r.h.main->DocumentUntitled);
    EXPECT_GT(r.h.app.doc.ChannelCount, 0);
    EXPECT_EQ(r.h.ui.Unexpected(), 0);
}

TEST(RadioTransfer, WriteSendsTheDocumentWhichAReadBringsBack) {
    TestInstall install;
    const QString saved = install.Root() + "/radio.bin";
    RadioHarness r(install, {"--save-image", saved});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    ASSERT_TRUE(r.Read());
    const int level = r.h.app.doc.Settings.Opt.SqlLevel == 5 ? 6 : 5;
    r.h.app.doc.Settings.Opt.SqlLevel = level;
    r.h.ui.Clear();
    r.h.gridLog.clear();
    r.h.ui.AnswerNext(Answer::Ok);
    r.h.main->StartWrite();
    EXPECT_TRUE(r.h.main->WaitSaveDataTimer.isActive()); // the write starts 100 ms later
    ASSERT_TRUE(WaitFor([&] { return r.Said(9010) && !r.link.Busy(); }, 30000))
        << ::testing::PrintToString(r.h.ui.Messages());
    // The open editors committed their focused control before the write.
    EXPECT_NE(std::find(r.h.gridLog.begin(), r.h.gridLog.end(), -1), r.h.gridLog.end());
    EXPECT_EQ(r.link.Progress()->windowTitle().toStdString(), r.h.app.texts.GetLangText(9028));
    EXPECT_EQ(r.h.ui.Questions(), std::vector<std::string>{r.h.app.texts.GetLangText(9005)});
    EXPECT_TRUE(WaitFor([&] { return QFileInfo(saved).size() == 5120; }));

    r.h.app.doc.Settings.Opt.SqlLevel = 0;
    r.h.ui.Clear();
    ASSERT_TRUE(r.Read());
    EXPECT_EQ(r.h.app.doc.Settings.Opt.SqlLevel, level);
}

TEST(RadioTransfer, CancelEndsTheTransferAndSaysWhatItLeft) {
    // Cancel, Escape and the close box: during a read, while the write keeps
    // its backup (nothing written yet) and during the plain write.
    struct Case {
        bool write;
        bool plain;
        int via; // 0 Cancel, 1 Escape, 2 the close box
        int message;
    };
    for (const Case c : {Case{false, false, 0, 9091}, Case{true, false, 1, 9092},
                         Case{true, true, 2, 9090}}) {
        SCOPED_TRACE(c.via);
        TestInstall install;
        RadioHarness r(install, {"--pace"});
        ASSERT_TRUE(r.started) << "the simulated radio did not start";
        if (c.plain)
            WriteSetupValue(r.h.app.paths, "PlainWrite", 1);
        r.h.app.doc.Settings.Opt.SqlLevel = 9;
        FrmProgress* progress = r.link.Progress();
        QObject::connect(progress->ProgressBar1(), &QProgressBar::valueChanged, progress,
                         [&](int value) {
                             if (value < 2 || !progress->isVisible())
                                 return;
                             if (c.via == 0)
                                 progress->CancelButton()->click();
                             else if (c.via == 1)
                                 QTest::keyClick(progress, Qt::Key_Escape);
                             else
                                 progress->close();
                         });
        r.h.ui.AnswerNext(Answer::Ok);
        if (c.write)
            r.h.main->StartWrite();
        else
            r.h.main->StartRead();
        ASSERT_TRUE(WaitFor([&] { return r.Said(c.message) && !r.link.Busy(); }, 30000));
        EXPECT_FALSE(progress->isVisible());
        EXPECT_FALSE(r.Said(c.write ? 9010 : 9009));
        EXPECT_EQ(r.h.app.doc.Settings.Opt.SqlLevel, 9);
    }
}

TEST(RadioTransfer, CtrlWWritesWhicheverChildWindowIsActive) {
    TestInstall install;
    RadioHarness r(install);
    r.h.main->show();
    QApplication::setActiveWindow(r.h.main.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(r.h.main.get()));
    r.h.main->ShowChildWindow("frmCommChInfo");
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    QTest::keySequence(focus, QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_TRUE(r.h.main->WaitSaveDataTimer.isActive() || r.link.Busy());
    EXPECT_EQ(r.h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
}

TEST(RadioTransfer, ReadDeclinedAtTheQuestionLeavesEverything) {
    TestInstall install;
    RadioHarness r(install);
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    r.h.app.doc.Settings.Opt.SqlLevel = 9;
    r.h.ui.AnswerNext(Answer::Cancel);
    r.h.main->StartRead();
    EXPECT_TRUE(WaitFor([&] { return !r.link.Busy(); }));
    EXPECT_FALSE(r.link.Progress()->isVisible());
    EXPECT_TRUE(r.h.ui.Messages().empty());
    EXPECT_EQ(r.h.app.doc.Settings.Opt.SqlLevel, 9);
}

TEST(RadioTransfer, PasswordDialogDuringTheReadLetsTheRightPasswordThrough) {
    TestInstall install;
    RadioHarness r(install, {"--password", "K7x2"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    r.h.ui.HandleDialogNext([](QDialog& d) {
        EXPECT_EQ(d.objectName(), QString("FrmPassWord"));
        d.findChild<QLineEdit*>("Text1")->setText("K7x2");
        d.findChild<QPushButton*>("CommandOK")->click();
        return d.result();
    });
    ASSERT_TRUE(r.Read());
    EXPECT_EQ(r.h.app.link.EnteredPassword, "K7x2");

    // Entered once, the next read runs without the dialog.
    r.h.ui.Clear();
    ASSERT_TRUE(r.Read());
    for (const auto& e : r.h.ui.Events())
        EXPECT_NE(e.kind, ScriptedInteraction::Event::Dialog);
}

TEST(RadioTransfer, WrongPasswordEndsTheReadWithItsMessage) {
    TestInstall install;
    RadioHarness r(install, {"--password", "K7x2"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    const int before = r.h.app.doc.ChannelCount;
    r.h.ui.HandleDialogNext([](QDialog& d) {
        d.findChild<QLineEdit*>("Text1")->setText("k7x2");
        d.findChild<QPushButton*>("CommandOK")->click();
        return d.result();
    });
    r.h.ui.AnswerNext(Answer::Ok);
    r.h.main->StartRead();
    ASSERT_TRUE(WaitFor([&] { return r.SaidText("PassWord Failure!") && !r.link.Busy(); }, 20000));
    EXPECT_FALSE(r.Said(9009));
    EXPECT_FALSE(r.link.Progress()->isVisible());
    EXPECT_EQ(r.h.app.doc.ChannelCount, before);
}

TEST(RadioTransfer, RadioInformationOpensItsWindowWithoutQuestions) {
    TestInstall install;
    RadioHarness r(install, {"--password", "K7x2"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    r.h.main->OnTreeNodeClicked("N7");
    ASSERT_TRUE(
        WaitFor([&] { return r.h.main->FindChildWindow("FrmRadioInfo") != nullptr; }, 20000));
    auto* window = static_cast<FrmRadioInfo*>(r.h.main->FindChildWindow("FrmRadioInfo"));
    EXPECT_FALSE(window->Text1(1).isEmpty()); // the simulated radio has a serial number
    EXPECT_TRUE(r.h.ui.Events().empty());     // no question, no password dialog
}

TEST(RadioTransfer, SilentRadioSearchesTheLinkUnderItsTitleAndGoesOn) {
    TestInstall install;
    RadioHarness r(install, {"--answer-from", "8"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    QStringList captions;
    QObject::connect(r.link.Progress(), &QWidget::windowTitleChanged,
                     [&](const QString& t) { captions << t; });
    ASSERT_TRUE(r.Read());
    EXPECT_TRUE(
        captions.contains("Search for communication setting,please wait for a few minutes..."));
    EXPECT_EQ(captions.last().toStdString(), r.h.app.texts.GetLangText(9027));
    // The status names the number the search kept and the device behind it.
    EXPECT_EQ(r.h.main->StatusPanel(3)->text(), r.h.Text(12008) + "1 (" + r.radio.Device() + ")");
}

TEST(RadioTransfer, RadioFallingSilentAsksWhetherToTryAgain) {
    TestInstall install;
    RadioHarness r(install, {"--silent-after", "20"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    const int before = r.h.app.doc.ChannelCount;
    r.h.ui.AnswerNext(Answer::Ok);     // read now?
    r.h.ui.AnswerNext(Answer::Cancel); // the radio does not answer: try again?
    r.h.main->StartRead();
    ASSERT_TRUE(WaitFor([&] { return r.h.ui.Questions().size() == 2 && !r.link.Busy(); }, 30000));
    EXPECT_EQ(r.h.ui.Questions()[1], r.h.app.texts.GetLangText(9008));
    EXPECT_FALSE(r.Said(9009));
    EXPECT_FALSE(r.link.Progress()->isVisible());
    EXPECT_EQ(r.h.app.doc.ChannelCount, before);
}

TEST(RadioTransfer, RadioThatRefusesWritingSaysSo) {
    TestInstall install;
    RadioHarness r(install, {"--feature", "8"});
    ASSERT_TRUE(r.started) << "the simulated radio did not start";
    r.h.ui.AnswerNext(Answer::Ok);
    r.h.main->StartWrite();
    ASSERT_TRUE(WaitFor([&] { return (r.Said(9031) || r.Said(9032)) && !r.link.Busy(); }, 30000));
    EXPECT_FALSE(r.Said(9010));
}

} // namespace
