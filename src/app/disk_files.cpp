#include "app/disk_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zumoku {

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
  return bytes;
}

bool DiskFiles::Write(const std::string& path, std::string_view bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) return false;  // the destructor drops the temporary file
  // A small text waits in the device's buffer; commit() does not see the
  // buffer's write failing (a full disk) and would put a truncated file in
  // place of the document.
  if (!file.flush()) return false;
  return file.commit();
}

bool DiskFiles::Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool DiskFiles::IsSpecialFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && !info.isFile();  // a link counts as what it points to
}

}  // namespace zumoku
