// The tiled background picture, the Window menu's list of open windows, and
// how child windows are placed, brought forward and closed.

#include "GuiTestSupport.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTreeWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

TEST(Background, PictureIsTiledWithoutItsOuterFrame) {
    TestInstall install;
    const QString picture = QStringLiteral(PMR_PROGRAM_DIR "/PIC/BK_1.jpg");
    if (!QFile::exists(picture))
        GTEST_SKIP() << "the pictures are not built";
    QDir().mkpath(install.ProgramFolder() + "/PIC");
    QFile::copy(picture, install.ProgramFolder() + "/PIC/BK_1.jpg");
    Harness h(install);
    h.main->resize(900, 640);
    h.main->LoadBKPic();
    const QImage tile(picture);
    const QImage surface = h.main->Mdi()->background().textureImage();
    ASSERT_EQ(surface.size(), h.main->size());
    const int w = tile.width() - 2, hgt = tile.height() - 2;
    // Columns 1..w of the picture repeat every w pixels across the first strip.
    EXPECT_EQ(surface.pixel(0, 5), tile.pixel(1, 5));
    EXPECT_EQ(surface.pixel(w, 5), tile.pixel(1, 5));
    EXPECT_EQ(surface.pixel(2 * w + 3, 7), tile.pixel(4, 7));
    // Rows 1..h of that strip repeat every h pixels down the window.
    EXPECT_EQ(surface.pixel(3, hgt), surface.pixel(3, 1));
    EXPECT_EQ(surface.pixel(3, 2 * hgt + 4), surface.pixel(3, 5));
}

TEST(Background, MissingPictureLeavesAPlainSurface) {
    TestInstall install;
    Harness h(install);
    h.main->LoadBKPic();
    EXPECT_TRUE(h.main->Mdi()->background().textureImage().isNull());
}

TEST(WindowMenu, ListsTheOpenChildWindows) {
    TestInstall install;
    Harness h(install);
    h.main->ShowChildWindow("FrmRadioInfo");
    QMenu* menu = h.Menu("mnuWindow")->menu();
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* a : menu->actions())
        if (a->property("windowListEntry").toBool())
            listed << a->text();
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[0].endsWith("Channels"));
    EXPECT_TRUE(listed[1].endsWith(h.Text(21000)));
    emit menu->aboutToShow(); // rebuilt, not appended
    int count = 0;
    for (QAction* a : menu->actions())
        count += a->property("windowListEntry").toBool();
    EXPECT_EQ(count, 2);
}

} // namespace

namespace {

QMdiSubWindow* FrameOf(QWidget* w) {
    return qobject_cast<QMdiSubWindow*>(w->parentWidget());
}

TEST(WindowMenu, ClosingAWindowBringsBackTheOneUsedBeforeIt) {
    TestInstall install;
    Harness h(install);
    QWidget* options = h.main->ShowChildWindow("FrmOptFeatures");
    QWidget* scan = h.main->ShowChildWindow("FrmScan");
    QWidget* keys = h.main->ShowChildWindow("FrmKey");
    ASSERT_TRUE(options && scan && keys);
    h.main->ShowChildWindow("FrmOptFeatures"); // used last before the keys again
    h.main->ShowChildWindow("FrmKey");
    FrameOf(keys)->close();
    ASSERT_TRUE(WaitFor([&] { return h.main->FindChildWindow("FrmKey") == nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return h.main->Mdi()->activeSubWindow() == FrameOf(options); }))
        << "in front: " << h.main->Mdi()->activeSubWindow()->widget()->objectName().toStdString();
    (void)scan;
}

TEST(WindowMenu, TreeHighlightFollowsTheActiveWindow) {
    TestInstall install;
    Harness h(install);
    auto current = [&] {
        QTreeWidgetItem* item = h.main->Tree()->currentItem();
        return item ? item->data(0, Qt::UserRole).toString() : QString();
    };
    h.main->ShowChildWindow("FrmScan");
    EXPECT_EQ(current(), QString("N9"));
    h.main->ShowChildWindow("FrmOptFeatures");
    EXPECT_EQ(current(), QString("N2"));
    h.main->ShowChildWindow("frmCommChInfo");
    EXPECT_EQ(current(), QString("N1"));
    FrameOf(h.main->FindChildWindow("frmCommChInfo"))->close();
    EXPECT_TRUE(WaitFor([&] { return current() == QString("N2"); }));
}

TEST(ChildWindows, OpenOnTheirFirstFieldAndCloseOnEscape) {
    TestInstall install;
    Harness h(install);
    for (const char* name : {"FrmOptFeatures", "FrmScan", "FrmAlert", "FrmKey", "FrmEmbMsg",
                             "FrmRadio", "FrmRadioInfo"}) {
        QWidget* w = h.main->ShowChildWindow(name);
        ASSERT_NE(w, nullptr) << name;
        QWidget* focus = w->focusWidget();
        ASSERT_NE(focus, nullptr) << name;
        EXPECT_NE(focus->objectName(), QString("CommandClose")) << name;
        EXPECT_NE(focus->objectName(), QString("CommandHelp")) << name;
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_TRUE(WaitFor([&] { return h.main->FindChildWindow(name) == nullptr; })) << name;
    }
}

TEST(ChildWindows, CascadedWindowsStayInsideTheWorkArea) {
    TestInstall install;
    Harness h(install);
    h.main->resize(900, 620);
    for (const char* name : {"FrmOptFeatures", "FrmRadio", "FrmKey", "FrmScan", "FrmAlert",
                             "FrmEmbMsg", "FrmRadioInfo"})
        ASSERT_NE(h.main->ShowChildWindow(name), nullptr) << name;
    QApplication::processEvents();
    const QRect area(QPoint(0, 0), h.main->Mdi()->viewport()->size());
    for (QMdiSubWindow* sub : h.main->Mdi()->subWindowList()) {
        const QString name = sub->widget()->objectName();
        const auto* close = sub->widget()->findChild<QWidget*>("CommandClose");
        // A window that fits the work area is wholly in sight; only one
        // larger than the area leaves it, and then the area scrolls to it.
        const bool inside = area.contains(sub->geometry());
        const bool fits = sub->width() <= area.width() && sub->height() <= area.height();
        const bool scrolls = h.main->Mdi()->verticalScrollBar()->isVisible() ||
                             h.main->Mdi()->horizontalScrollBar()->isVisible();
        if (fits)
            EXPECT_TRUE(inside) << name.toStdString();
        else
            EXPECT_TRUE(scrolls) << name.toStdString();
        if (close && inside)
            EXPECT_TRUE(area.contains(
                QRect(close->mapTo(h.main->Mdi()->viewport(), QPoint(0, 0)), close->size())))
                << name.toStdString();
    }
}

} // namespace
