// The tiled background picture and the Window menu's list of open windows.

#include "GuiTestSupport.h"

#include <QImage>
#include <QMdiArea>
#include <QMenu>

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
