// The help pages: which page a topic opens, which language, and the Help
// buttons shown only when the pages are installed.

#include "GuiTestSupport.h"
#include "HelpWindow.h"
#include "QtInteraction.h"

#include <QDialog>
#include <QDirIterator>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

using namespace pmr;
using namespace pmr::testing;

namespace {

void Page(const QString& folder, const QString& name) {
    QDir().mkpath(folder);
    QFile f(folder + "/" + name);
    f.open(QIODevice::WriteOnly);
    f.write("<html><head><title>" + name.toLatin1() + "</title></head><body></body></html>");
}

TEST(Help, TopicWithoutAPageShowsItsMenuPageOrTheContents) {
    QTemporaryDir dir;
    Page(dir.path(), "index.html");
    Page(dir.path(), "400.html");
    App();
    HelpWindow help;
    help.ShowPage(dir.path() + "/403.html");
    EXPECT_TRUE(help.CurrentPage().endsWith("/400.html"));
    help.ShowPage(dir.path() + "/77.html");
    EXPECT_TRUE(help.CurrentPage().endsWith("/index.html"));
}

TEST(Help, HelpButtonShownOnlyWhenThePagesAreInstalled) {
    TestInstall without;
    Harness a(without);
    QWidget* info = a.main->ShowChildWindow("FrmRadioInfo");
    EXPECT_FALSE(info->findChild<QPushButton*>("CommandHelp")->isVisibleTo(info));
    a.main->ShowHelpTopic(3600);
    EXPECT_EQ(a.main->HelpViewer(), nullptr);

    TestInstall with(1, /*help=*/true);
    Harness b(with);
    info = b.main->ShowChildWindow("FrmRadioInfo");
    EXPECT_TRUE(info->findChild<QPushButton*>("CommandHelp")->isVisibleTo(info));
    info->findChild<QPushButton*>("CommandHelp")->click();
    ASSERT_NE(b.main->HelpViewer(), nullptr);
    EXPECT_TRUE(b.main->HelpViewer()->CurrentPage().contains("/help/english/"));
}

TEST(Help, LanguageThreeMenuOpensChineseWhileF1KeepsEnglish) {
    TestInstall install(3, /*help=*/true);
    Harness h(install);
    h.main->ShowHelpContents();
    ASSERT_NE(h.main->HelpViewer(), nullptr);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().contains("/help/chinese/"));
    h.main->ShowHelpTopic(100);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().contains("/help/english/"));
}

TEST(Help, F1OnAHighlightedMenuEntryOpensItsTopic) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    QMenu* program = h.Menu("mnuProgram")->menu();
    program->popup(QPoint(10, 10));
    program->setActiveAction(h.Menu("MnuProPassWord")); // topic 403, on the page of 400
    QTest::keyClick(program, Qt::Key_F1);
    ASSERT_NE(h.main->HelpViewer(), nullptr);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().endsWith("/help/english/400.html"));
    program->hide();
}

TEST(Help, BothLanguagesHaveTheSamePages) {
    auto pages = [](const char* lang) {
        QStringList names = QDir(QStringLiteral(PMR_SOURCE_DIR "/data/help/") + lang)
                                .entryList({"*.html"}, QDir::Files, QDir::Name);
        return names;
    };
    const QStringList english = pages("english");
    EXPECT_TRUE(english.contains("index.html"));
    EXPECT_TRUE(english.contains("3600.html"));
    EXPECT_EQ(english, pages("chinese"));
}

} // namespace

TEST(Help, F1InsideAModalDialogOpensTheDialogsTopic) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    h.ui.HandleDialogNext([](QDialog& dialog) {
        dialog.show();
        QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        QTest::keyClick(focus, Qt::Key_F1);
        return int(QDialog::Rejected);
    });
    h.main->ShowPortDialog(); // topic 501, on the page of 500
    ASSERT_NE(h.main->HelpViewer(), nullptr);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().endsWith("/help/english/500.html"))
        << h.main->HelpViewer()->CurrentPage().toStdString();
}

TEST(Help, StaysUsableWhileAModalDialogIsOpen) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    h.main->ShowHelpTopic(3700);
    HelpWindow* help = h.main->HelpViewer();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    // The batch settings run modally, as the program runs every dialog.
    QtInteraction real(h.app.texts);
    real.SetParentWindow(h.main.get());
    bool sawModal = false, helpClosed = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&] {
            sawModal = QApplication::activeModalWidget() == &dialog;
            // Input reaches the help window through the window system's path,
            // where a blocked window drops it.
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            helpClosed = !help->isVisible();
            dialog.reject();
        });
        return real.RunDialog(dialog);
    });
    h.main->ShowChildWindow("FrmCHBatch");
    EXPECT_TRUE(sawModal);
    EXPECT_TRUE(helpClosed) << "the help window did not receive the key";
}
