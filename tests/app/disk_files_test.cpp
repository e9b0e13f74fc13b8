#include "app/disk_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

namespace zumoku::test {

class DiskFilesTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  DiskFiles files;
  std::string Path(const QString& name) { return folder.filePath(name).toStdString(); }
};

TEST_F(DiskFilesTest, WritesAndReadsBytesExactlyUnderAnyName) {
  const std::string bytes("\x82\xA0\r\n\x00\xFF\n", 7);
  const std::string path = Path(QStringLiteral("論文 (下書き).tex"));
  EXPECT_FALSE(files.Exists(path));
  ASSERT_TRUE(files.Write(path, bytes));
  EXPECT_TRUE(files.Exists(path));
  EXPECT_EQ(files.Read(path), bytes);
  ASSERT_TRUE(files.Write(path, "ab"));  // replaced whole
  EXPECT_EQ(files.Read(path), "ab");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);  // no temporary file left behind
}

TEST_F(DiskFilesTest, CannotReadWhatIsMissingOrAFolder) {
  EXPECT_EQ(files.Read(Path(QStringLiteral("missing.tex"))), std::nullopt);
  EXPECT_EQ(files.Read(folder.path().toStdString()), std::nullopt);
}

TEST_F(DiskFilesTest, CannotWriteIntoAMissingFolderOrOverAFolder) {
  EXPECT_FALSE(files.Write(Path(QStringLiteral("no/such/folder.tex")), "x"));
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
  EXPECT_FALSE(files.Write(Path(QStringLiteral("sub")), "x"));
  EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("sub"))).isDir());
}

TEST_F(DiskFilesTest, OnlyRegularFilesAreReadFrom) {
  const std::string fifo = Path(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(files.IsSpecialFile(fifo));
  EXPECT_EQ(files.Read(fifo), std::nullopt);  // at once: no writer is waited for
  EXPECT_TRUE(files.IsSpecialFile(folder.path().toStdString()));
  const std::string regular = Path(QStringLiteral("a.tex"));
  ASSERT_TRUE(files.Write(regular, "a"));
  EXPECT_FALSE(files.IsSpecialFile(regular));
  EXPECT_FALSE(files.IsSpecialFile(Path(QStringLiteral("missing.tex"))));
}

TEST_F(DiskFilesTest, FailedWriteLeavesTheOldFileAsItWas) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  const std::string path = Path(QStringLiteral("a.tex"));
  ASSERT_TRUE(files.Write(path, "old"));
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_FALSE(files.Write(path, "new"));
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(files.Read(path), "old");
}

// The disk fills up halfway through writing (a file size limit stands in
// for a full disk): the old document stays whole and no temporary is left.
TEST_F(DiskFilesTest, WriteFailingHalfwayLeavesTheOldFileWhole) {
  const std::string path = Path(QStringLiteral("a.tex"));
  ASSERT_TRUE(files.Write(path, "old"));
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool written = files.Write(path, std::string(1 << 20, 'n'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(files.Read(path), "old");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace zumoku::test
