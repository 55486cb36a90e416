// Whole-file writes: the file holds exactly the new bytes afterwards, and a
// write that cannot happen says so and leaves nothing behind.

#include "WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pmr {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

TEST(WholeFileWrite, ReplacesALongerFileWhollyAndRefusesAMissingFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("a much longer file that was there before");
    }
    ASSERT_TRUE(WriteWholeFile(path.toStdString(), "a,b\r\n"));
    EXPECT_EQ(Contents(path), QByteArray("a,b\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{"list.csv"}); // no temporary left

    const QString nowhere = dir.filePath("missing/list.csv");
    EXPECT_FALSE(WriteWholeFile(nowhere.toStdString(), "a,b\r\n"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

} // namespace
} // namespace pmr
