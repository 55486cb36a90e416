// File > Restore from Backup: the list of kept backups, a damaged one refused,
// a sound one handed back only after the user said yes.

#include "GuiTestSupport.h"
#include "backup/BackupStore.h"
#include "dialogs/FrmRestoreBackup.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

using Image = std::array<std::uint8_t, kImageSize>;

Image RadioImage(std::uint8_t fill) {
    Image image;
    image.fill(fill);
    const char model[] = "VX210";
    std::copy(model, model + 5, image.begin() + 0x13F0);
    image[0x13F5] = 0;
    image[0x13F7] = 4;
    return image;
}

const std::uint8_t kDat[] = {0};

TEST(RestoreBackupDialog, ListsNewestFirstRefusesADamagedOneAndAsksBeforeChoosing) {
    TestInstall install;
    Harness h(install);
    const std::string folder = install.Root().toStdString() + "/backups";
    BackupStore store(folder);
    std::string error;
    const auto older = store.Keep(RadioImage(0x11), "SIM1", 1700000000, kDat, error);
    const auto newer = store.Keep(RadioImage(0x22), "SIM1", 1700000600, kDat, error);
    ASSERT_TRUE(older && newer) << error;
    QFile::resize(QString::fromStdString(newer->imagePath), 4000); // damaged

    FrmRestoreBackup dialog(h.app, h.ui, folder, h.main.get());
    QTreeWidget* list = dialog.List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0).toStdString(), newer->time);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "VX210");
    EXPECT_FALSE(list->topLevelItem(0)->text(2).isEmpty());
    EXPECT_EQ(list->topLevelItem(0)->text(3), "SIM1");

    // The damaged newest one: refused with the reason, nothing chosen.
    dialog.RestoreButton()->click();
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    EXPECT_NE(h.ui.Messages()[0].find("4000 bytes"), std::string::npos) << h.ui.Messages()[0];
    EXPECT_FALSE(dialog.Chosen());

    // The sound one: No keeps the dialog open, Yes chooses it.
    list->setCurrentItem(list->topLevelItem(1));
    h.ui.AnswerNext(Answer::No);
    dialog.RestoreButton()->click();
    EXPECT_FALSE(dialog.Chosen());
    h.ui.AnswerNext(Answer::Yes);
    dialog.RestoreButton()->click();
    ASSERT_TRUE(dialog.Chosen());
    EXPECT_EQ(*dialog.Chosen(), RadioImage(0x11));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(RestoreBackupDialog, WithoutBackupsNothingCanBeChosen) {
    TestInstall install;
    Harness h(install);
    const std::string folder = install.Root().toStdString() + "/none";
    FrmRestoreBackup dialog(h.app, h.ui, folder, h.main.get());
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 0);
    EXPECT_FALSE(dialog.RestoreButton()->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLabel*>("lblFolder")->text().contains(
        QString::fromStdString(folder)));
}

} // namespace
