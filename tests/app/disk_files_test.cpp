#include "app/disk_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Writes beyond `bytes` fail while it lives, as on a full disk; the limit
// binds root too, unlike permissions.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  void (*previousHandler_)(int);
  rlimit saved_{};
};

// The write fails at its first byte or halfway through: the old document
// stays whole and no temporary file is left behind.
TEST_F(DiskFilesTest, FailedWriteLeavesTheOldFileWhole) {
  const struct {
    rlim_t limit;
    std::size_t size;
  } rows[] = {{0, 3}, {4096, 1 << 20}};
  for (const auto& row : rows) {
    const std::string path = Path(QStringLiteral("a.tex"));
    ASSERT_TRUE(files.Write(path, "old"));
    bool written = true;
    {
      const FileSizeLimit limit(row.limit);
      written = files.Write(path, std::string(row.size, 'n'));
    }
    EXPECT_FALSE(written) << row.limit;
    EXPECT_EQ(files.Read(path), "old") << row.limit;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << row.limit;
  }
}

}  // namespace zumoku::test
