// New, Open, Save, Save As and closing the program, answered by script.

#include "GuiTestSupport.h"

#include <QFileInfo>

using namespace pmr;
using namespace pmr::testing;

namespace {

std::string T(Harness& h, int id) {
    return h.app.texts.GetLangText(id);
}

void Change(Harness& h) {
    h.app.doc.Settings.Opt.SqlLevel = h.app.doc.Settings.Opt.SqlLevel == 3 ? 4 : 3;
}

TEST(FileCommands, SaveAsWritesTheFileAndNamesTheWindow) {
    TestInstall install;
    Harness h(install);
    const std::string path = (install.Root() + "/first.dat").toStdString();
    Change(h);
    h.ui.ChooseFileNext(path);
    EXPECT_TRUE(h.main->FileSaveAs());
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 11037);
    EXPECT_FALSE(h.docs.IsModified());
    EXPECT_FALSE(h.main->DocumentUntitled);
    EXPECT_TRUE(h.main->windowTitle().endsWith(":first.dat]"));
}

TEST(FileCommands, SaveOfAnUntitledDocumentBecomesSaveAsAndCancelChangesNothing) {
    TestInstall install;
    Harness h(install);
    Change(h);
    h.ui.ChooseFileNext(std::nullopt);
    EXPECT_FALSE(h.main->FileSave());
    EXPECT_EQ(h.ui.Events().back().kind, ScriptedInteraction::Event::SaveFile);
    EXPECT_EQ(h.app.docState.CurrentFileName, "new.dat");
    EXPECT_TRUE(h.docs.IsModified());
}

TEST(FileCommands, SaveOverTheCurrentFileAsksWithItsName) {
    TestInstall install;
    Harness h(install);
    h.ui.ChooseFileNext((install.Root() + "/named.dat").toStdString());
    ASSERT_TRUE(h.main->FileSaveAs());
    Change(h);
    h.ui.AnswerNext(Answer::Cancel);
    EXPECT_FALSE(h.main->FileSave());
    EXPECT_EQ(h.ui.Questions().back(), "\"named.dat\"" + T(h, 9007));
    EXPECT_TRUE(h.docs.IsModified());
    h.ui.AnswerNext(Answer::Ok);
    EXPECT_TRUE(h.main->FileSave());
    EXPECT_FALSE(h.docs.IsModified());
}

TEST(FileCommands, NewAnsweredCancelAtTheSaveQuestionEndsTheCommand) {
    TestInstall install;
    Harness h(install);
    Change(h);
    h.ui.AnswerNext(Answer::Cancel);
    h.main->FileNew();
    ASSERT_EQ(h.ui.Questions().size(), 1u);
    EXPECT_EQ(h.ui.Questions()[0], T(h, 9006));
    EXPECT_EQ(h.ui.Events()[0].severity, Severity::Warning);
    EXPECT_FALSE(h.main->NewDocTimer.isActive());
    EXPECT_TRUE(h.docs.IsModified());
}

TEST(FileCommands, NewAnsweredNoThenOkStartsANewDocumentAfterItsDelay) {
    TestInstall install;
    Harness h(install);
    h.main->ShowChildWindow("FrmRadioInfo");
    Change(h);
    h.ui.AnswerNext(Answer::No);
    h.ui.AnswerNext(Answer::Ok);
    h.main->FileNew();
    EXPECT_EQ(h.ui.Questions(), (std::vector<std::string>{T(h, 9006), T(h, 9026)}));
    EXPECT_TRUE(h.main->NewDocTimer.isActive());
    EXPECT_TRUE(h.main->OpenChildWindowNames().isEmpty());
    EXPECT_TRUE(WaitFor([&] { return !h.main->NewDocTimer.isActive(); }));
    EXPECT_FALSE(h.docs.IsModified());
    EXPECT_EQ(h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
}

TEST(FileCommands, NewOfAnUnchangedDocumentAsksOnlyWhetherToStartAgain) {
    TestInstall install;
    Harness h(install);
    h.ui.AnswerNext(Answer::Cancel);
    h.main->FileNew();
    EXPECT_EQ(h.ui.Questions(), std::vector<std::string>{T(h, 9026)});
    EXPECT_FALSE(h.main->NewDocTimer.isActive());
}

TEST(FileCommands, ToolbarNewAsksToSaveAChangedDocument) {
    TestInstall install;
    Harness h(install);
    Change(h);
    h.ui.AnswerNext(Answer::Cancel);
    h.Button("NewFile")->trigger();
    EXPECT_EQ(h.ui.Questions(), std::vector<std::string>{T(h, 9006)});
    EXPECT_FALSE(h.main->NewDocTimer.isActive());

    h.ui.Clear();
    h.ui.AnswerNext(Answer::No);
    h.Button("NewFile")->trigger();
    EXPECT_EQ(h.ui.Questions(), std::vector<std::string>{T(h, 9006)}); // no 9026
    EXPECT_TRUE(h.main->NewDocTimer.isActive());

    // Unchanged: a new document at once, no question.
    EXPECT_TRUE(WaitFor([&] { return !h.main->NewDocTimer.isActive(); }));
    h.ui.Clear();
    h.Button("NewFile")->trigger();
    EXPECT_TRUE(h.ui.Questions().empty());
}

TEST(FileCommands, OpenLoadsTheFileAndCancelAtTheSaveQuestionEndsIt) {
    TestInstall install;
    Harness h(install);
    const std::string path = (install.Root() + "/kept.dat").toStdString();
    h.app.doc.Settings.Opt.SqlLevel = 6;
    h.ui.ChooseFileNext(path);
    ASSERT_TRUE(h.main->FileSaveAs());

    h.app.doc.Settings.Opt.SqlLevel = 2;
    h.ui.Clear();
    h.ui.AnswerNext(Answer::Cancel);
    h.main->FileOpen();
    EXPECT_EQ(h.ui.Events().size(), 1u); // no open dialog
    EXPECT_EQ(h.app.doc.Settings.Opt.SqlLevel, 2);

    h.ui.Clear();
    h.ui.AnswerNext(Answer::No);
    h.ui.ChooseFileNext(path);
    h.main->FileOpen();
    EXPECT_EQ(h.app.doc.Settings.Opt.SqlLevel, 6);
    EXPECT_FALSE(h.main->DocumentUntitled);
    EXPECT_FALSE(h.docs.IsModified());
    EXPECT_TRUE(h.main->windowTitle().endsWith(":kept.dat]"));
    EXPECT_EQ(h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});

    // A cancelled open dialog changes nothing.
    h.ui.Clear();
    h.ui.ChooseFileNext(std::nullopt);
    h.main->FileOpen();
    EXPECT_EQ(h.app.docState.CurrentFileName, path);
}

TEST(FileCommands, OpenOfABadFileKeepsTheDocumentAndItsName) {
    TestInstall install;
    Harness h(install);
    const QString bad = install.Root() + "/bad.dat";
    QFile f(bad);
    f.open(QIODevice::WriteOnly);
    f.write("XY");
    f.close();
    h.app.doc.Settings.Opt.SqlLevel = 5;
    h.app.fileBuffer = h.app.doc;
    h.ui.ChooseFileNext(bad.toStdString());
    h.main->FileOpen();
    EXPECT_EQ(h.ui.Messages(), std::vector<std::string>{T(h, 9065)});
    EXPECT_EQ(h.app.doc.Settings.Opt.SqlLevel, 5);
    EXPECT_EQ(h.app.docState.CurrentFileName, "new.dat");
}

TEST(FileCommands, ClosingUntitledWithChangesAndCancellingTheSaveDialogKeepsRunning) {
    TestInstall install;
    Harness h(install);
    Change(h);
    h.ui.AnswerNext(Answer::Yes);
    h.ui.ChooseFileNext(std::nullopt);
    EXPECT_FALSE(h.main->close());
    EXPECT_TRUE(h.main->isVisible());
    EXPECT_TRUE(h.docs.IsModified());

    h.ui.AnswerNext(Answer::Cancel);
    EXPECT_FALSE(h.main->close());
    EXPECT_EQ(h.ui.Questions().size(), 2u);
}

TEST(FileCommands, ClosingSavesGeometryAndTheFeatureSwitches) {
    TestInstall install;
    Harness h(install);
    Change(h);
    h.app.config.ConfiguredFeatures[3] = 1;
    h.main->resize(700, 500);
    h.ui.AnswerNext(Answer::No);
    EXPECT_TRUE(h.main->close());
    QSettings settings(QString::fromStdString(h.app.config.AppTitle), QString());
    const double tpp = frmMain::TwipsPerPixel();
    EXPECT_EQ(settings.value("Settings/MainWidth").toInt(), int(std::lround(700 * tpp)));
    EXPECT_EQ(settings.value("Settings/MainHeight").toInt(), int(std::lround(500 * tpp)));
    QFile switches(install.ProgramFolder() + "/Setting.ini");
    ASSERT_TRUE(switches.open(QIODevice::ReadOnly));
    EXPECT_EQ(switches.readAll(), QByteArray("\0\0\0\1", 4));
}

TEST(FileCommands, GeometryComesBackFromTheSettingsStore) {
    TestInstall install;
    {
        QSettings settings("PMR446 Radio Programmer", QString());
        settings.setValue("Settings/MainWidth",
                          QString::number(int(640 * frmMain::TwipsPerPixel())));
        settings.setValue("Settings/MainHeight",
                          QString::number(int(480 * frmMain::TwipsPerPixel())));
    }
    Harness h(install);
    EXPECT_EQ(h.main->width(), 640);
    EXPECT_EQ(h.main->height(), 480);
}

} // namespace
