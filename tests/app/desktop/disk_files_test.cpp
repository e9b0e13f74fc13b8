#include "app/desktop/disk_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

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

// The kernel reports the size 0 for files under /proc.
TEST_F(DiskFilesTest, ReadsToTheEndWhateverSizeIsReported) {
  ASSERT_EQ(files.Stamp("/proc/self/status")->size, 0u);
  const auto status = files.Read("/proc/self/status");
  ASSERT_TRUE(status);
  EXPECT_TRUE(status->starts_with("Name:")) << *status;
  EXPECT_TRUE(status->ends_with("\n")) << *status;
}

// Other programs' writes show in the stamp: in place, or by putting
// another file in its place, even one of the same size and time.
TEST_F(DiskFilesTest, StampTellsWhichFileAndWhatSize) {
  const std::string path = Path(QStringLiteral("a.tex"));
  EXPECT_EQ(files.Stamp(path), std::nullopt);
  ASSERT_TRUE(files.Write(path, "abc"));
  const auto first = files.Stamp(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->size, 3u);
  EXPECT_EQ(files.Stamp(path), first);
  const std::string other = Path(QStringLiteral("b.tex"));
  ASSERT_TRUE(files.Write(other, "xyz"));
  const timespec times[2] = {first->modifiedNs / 1'000'000'000, first->modifiedNs % 1'000'000'000};
  ASSERT_EQ(utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
  ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
  EXPECT_NE(files.Stamp(path), first);
  EXPECT_TRUE(files.IsFolder(folder.path().toStdString()));
  EXPECT_FALSE(files.IsFolder(path));
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

std::string ReadRaw(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "unreadable";
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info;
}

// Every name of a file with several hard links sees the saved bytes; the
// file stays the same file, with its permissions.
TEST_F(DiskFilesTest, SavingAFileWithHardLinksWritesIntoIt) {
  const std::string path = Path(QStringLiteral("a.tex"));
  const std::string link = Path(QStringLiteral("link.tex"));
  ASSERT_TRUE(files.Write(path, "old text"));
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
  const ino_t inode = StatOf(path).st_ino;
  for (const std::string& bytes : {std::string("new, longer text"), std::string("short"), std::string()}) {
    ASSERT_TRUE(files.Write(path, bytes));
    EXPECT_EQ(ReadRaw(link), bytes);
    EXPECT_EQ(StatOf(path).st_ino, inode);
  }
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // nothing left beside them
}

// Root can give a file away: a saved file keeps its owner and group.
TEST_F(DiskFilesTest, SavingKeepsTheOwnerAndGroup) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  constexpr uid_t kOwner = 4321;
  constexpr gid_t kGroup = 4322;
  const std::string path = Path(QStringLiteral("a.tex"));
  ASSERT_TRUE(files.Write(path, "old"));
  ASSERT_EQ(chown(path.c_str(), kOwner, kGroup), 0);
  ASSERT_EQ(chmod(path.c_str(), 0604), 0);
  ASSERT_TRUE(files.Write(path, "new"));
  EXPECT_EQ(ReadRaw(path), "new");
  EXPECT_EQ(StatOf(path).st_uid, kOwner);
  EXPECT_EQ(StatOf(path).st_gid, kGroup);
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0604u);
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
// stays whole, under every name it has, and no temporary file is left
// behind.
TEST_F(DiskFilesTest, FailedWriteLeavesTheOldFileWhole) {
  const struct {
    rlim_t limit;
    std::size_t size;
    bool linked;
  } rows[] = {{0, 3, false}, {4096, 1 << 20, false}, {0, 3, true}, {4096, 1 << 20, true}};
  for (const auto& row : rows) {
    const std::string path = Path(QStringLiteral("a.tex"));
    const std::string link = Path(QStringLiteral("link.tex"));
    ASSERT_TRUE(files.Write(path, "old"));
    if (row.linked) {
      ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
    }
    bool written = true;
    {
      const FileSizeLimit limit(row.limit);
      written = files.Write(path, std::string(row.size, 'n'));
    }
    EXPECT_FALSE(written) << row.limit;
    EXPECT_EQ(files.Read(path), "old") << row.limit;
    if (row.linked) {
      EXPECT_EQ(ReadRaw(link), "old") << row.limit;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), row.linked ? 2 : 1) << row.limit;
    QFile::remove(QString::fromStdString(link));
  }
}

}  // namespace zumoku::test
