// File > Restore from Backup: the list of kept backups, a damaged one refused,
// a sound one handed back only after the user said yes; a write the radio did
// not take, undone from the window, and both writes in the log of writes.

#include "DemoRadio.h"
#include "GuiTestSupport.h"
#include "LinkController.h"
#include "PortMapping.h"
#include "backup/BackupStore.h"
#include "backup/UserDataFolder.h"
#include "backup/WriteLog.h"
#include "csv/CsvText.h"
#include "dialogs/FrmRestoreBackup.h"
#include "link/TransferDriver.h"
#include "link/TransferResultWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace pmr;
using namespace pmr::testing;

namespace {

// Every write of the window keeps a backup: the GUI tests keep theirs in a
// data folder of their own, never in the user's.
class PrivateDataFolder : public ::testing::Environment {
public:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("pmr-gui-data-" + std::to_string(::getpid()));
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path folder_;
};
const auto* const kPrivateDataFolder =
    ::testing::AddGlobalTestEnvironment(new PrivateDataFolder);

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
    // The list names the model as the main window does, not by its stored code.
    EXPECT_EQ(list->topLevelItem(0)->text(1), "VX-T210");
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

TEST(RestoreBackupDialog, AWriteTheRadioDidNotTakeIsUndoneWhenTheUserSaysSo) {
    TestInstall install;
    Harness h(install);
    LinkController link(h.app, h.ui, *h.main, h.launcher);
    DemoRadio radio;
    QString error;
    const QString saved = install.Root() + "/radio.bin";
    const QString sim = QStringLiteral(PMR_SIM_EXECUTABLE);
    ASSERT_TRUE(QFileInfo(sim).isExecutable() &&
                radio.Start(sim, error, {"--ignore-write", "0x10B0", "--save-image", saved}))
        << error.toStdString();
    link.Mapping().SetOverride(h.app.config.ComPort, radio.Device().toStdString());
    auto said = [&](int id) {
        const auto m = h.ui.Messages();
        return std::find(m.begin(), m.end(), h.app.texts.GetLangText(id)) != m.end();
    };
    h.ui.AnswerNext(Answer::Ok);
    h.main->StartRead();
    ASSERT_TRUE(WaitFor([&] { return said(9009) && !link.Busy(); }, 30000));
    const auto before = h.app.images.ImageBuf;
    const std::size_t keptBefore = BackupStore(BackupFolder()).List().size();

    // The squelch level lives in the block the radio loses.
    h.app.doc.Settings.Opt.SqlLevel = h.app.doc.Settings.Opt.SqlLevel == 5 ? 6 : 5;
    h.ui.Clear();
    h.ui.AnswerNext(Answer::Ok);  // write?
    h.ui.AnswerNext(Answer::Yes); // the radio holds something else: write the backup back?
    h.ui.AnswerNext(Answer::Ok);  // write (the backup)?
    h.main->StartWrite();
    ASSERT_TRUE(WaitFor([&] { return said(9010) && !link.Busy(); }, 60000));
    const auto questions = h.ui.Questions();
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_NE(questions[1].find(h.Text(12002).toStdString()), std::string::npos) << questions[1];
    // The last question is about writing the backup, not the data on screen.
    EXPECT_EQ(questions[2], h.app.texts.GetLangText(9190));
    EXPECT_EQ(link.Driver().LastWrite().kind, WriteKind::Restore);
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(saved).size() == kImageSize; }));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray radioNow = file.readAll();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 0x13F0,
                           reinterpret_cast<const std::uint8_t*>(radioNow.constData())));
    EXPECT_EQ(BackupStore(BackupFolder()).List().size(), keptBefore + 2); // write, then restore

    // Both are in the log of writes: the write the radio did not take, then the restore.
    QFile logFile(QString::fromStdString(DefaultWriteLogPath()));
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    const CsvTable log = ReadCsv(logFile.readAll().toStdString());
    ASSERT_GE(log.records.size(), 3u);
    const auto& write = log.records[log.records.size() - 2].fields;
    const auto& restore = log.records.back().fields;
    EXPECT_EQ(write.at(5), h.app.docState.CurrentFileName);
    EXPECT_EQ(write.at(7), DescribeResult(TransferResult::VerifyFailed));
    EXPECT_EQ(write.at(8), "1");
    EXPECT_EQ(restore.at(5), "");
    EXPECT_EQ(restore.at(7), "done");
    EXPECT_EQ(restore.at(8), std::to_string(kImageBlocks));
    EXPECT_EQ(restore.at(1), radio.Device().toStdString());
}

} // namespace
