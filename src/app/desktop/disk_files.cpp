#include "app/desktop/disk_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace zumoku {

namespace {
QByteArray Native(const std::string& path) { return QFile::encodeName(QString::fromStdString(path)); }

std::optional<struct stat> StatOf(const std::string& path) {
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) return std::nullopt;
  return info;
}

bool WriteAll(QFileDevice& file, std::string_view bytes) {
  const auto size = static_cast<qint64>(bytes.size());
  // A small text waits in the device's buffer; without the flush its
  // failure (a full disk) would go unseen.
  return file.write(bytes.data(), size) == size && file.flush();
}

// Gives a file written anew the old file's owner, group and permissions;
// only root may give a file away, but anyone may keep a group of their own.
void KeepOwnerAndMode(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  (void)::fchmod(fd, old.st_mode & 07777);
}

bool ReplaceWhole(const std::string& path, std::string_view bytes, const std::optional<struct stat>& old) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (old) KeepOwnerAndMode(file.handle(), *old);
  return WriteAll(file, bytes) && file.commit();  // on failure the destructor drops the temporary file
}

bool WriteInto(int fd, std::string_view bytes) {
  // Reserving the space first: a full disk fails here, before a byte of the
  // old text is overwritten.
  if (!bytes.empty() && ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size())) != 0) return false;
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

bool WriteInPlace(const std::string& path, std::string_view bytes, const struct stat& old) {
  const QString name = QString::fromStdString(path);
  QTemporaryFile beside(QFileInfo(name).absolutePath() + QStringLiteral("/.zumoku-XXXXXX"));
  if (!beside.open() || !WriteAll(beside, bytes) || ::fsync(beside.handle()) != 0) return false;
  const int fd = ::open(Native(path).constData(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteInto(fd, bytes);
  ::close(fd);
  if (written) return true;
  // Failed halfway: the whole new text beside it takes the document's name
  // instead, which then has one link less.
  KeepOwnerAndMode(beside.handle(), old);
  if (std::rename(QFile::encodeName(beside.fileName()).constData(), Native(path).constData()) != 0) return false;
  beside.setAutoRemove(false);
  return true;
}
}  // namespace

std::optional<std::string> DiskFiles::Read(const std::string& path) {
  // Opening a FIFO would wait for a writer.
  if (IsSpecialFile(path)) return std::nullopt;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // Read straight into the result: documents can be tens of megabytes.
  std::string bytes(static_cast<std::size_t>(file.size()), '\0');
  const qint64 read = file.read(bytes.data(), file.size());
  if (read < 0) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(read));
  // Read on to the end: files under /proc report the size 0, and a file may
  // have grown since.
  constexpr qint64 kChunk = 1 << 16;
  for (QByteArray more; !(more = file.read(kChunk)).isEmpty();) bytes.append(more.constData(), more.size());
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

bool DiskFiles::Write(const std::string& path, std::string_view bytes) {
  const auto old = StatOf(path);
  const bool regular = old && S_ISREG(old->st_mode);
  if (regular && old->st_nlink > 1) return WriteInPlace(path, bytes, *old);
  return ReplaceWhole(path, bytes, regular ? old : std::nullopt);
}

bool DiskFiles::Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool DiskFiles::IsSpecialFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && !info.isFile();  // a link counts as what it points to
}

bool DiskFiles::IsFolder(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isDir(); }

std::optional<FileStamp> DiskFiles::Stamp(const std::string& path) {
  const auto info = StatOf(path);
  if (!info) return std::nullopt;
  return FileStamp{.size = static_cast<std::uint64_t>(info->st_size),
                   .modifiedNs = std::int64_t{info->st_mtim.tv_sec} * 1'000'000'000 + info->st_mtim.tv_nsec,
                   .inode = info->st_ino,
                   .device = info->st_dev};
}

std::vector<std::string> DiskFiles::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  QDirIterator entries(QString::fromStdString(folder), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  while (entries.hasNext() && names.size() < kMaxFolderNames)
    names.push_back(entries.next().section('/', -1).toStdString());
  return names;
}

}  // namespace zumoku
