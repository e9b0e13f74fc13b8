#pragma once
// The document's file as it was last read or written, to tell whether
// another program has changed, replaced or deleted it since.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "documents/file_system.h"

namespace zumoku {

class FileOnDisk {
 public:
  enum class Change { kNone, kChanged, kDeleted };

  explicit FileOnDisk(FileSystem& files) : files_(files) {}

  // `bytes` were read from `path`, whose stamp was `stamp` before reading
  // (nullopt: no file is there yet).
  void RememberRead(const std::string& path, std::optional<FileStamp> stamp, std::string_view bytes);
  // `bytes` were just written to `path`.
  void RememberWritten(const std::string& path, std::string_view bytes);
  // The document has no file.
  void Forget();

  // How the file differs now from the bytes last read or written. The same
  // bytes under a new time or inode (touched, or restored by a checkout)
  // are no change.
  Change Compare();
  // As Compare, but each state of the disk is told only once: until the
  // file changes again, a change already taken counts as none.
  Change TakeNewChange();

 private:
  Change CompareWith(const std::optional<FileStamp>& now);

  FileSystem& files_;
  std::optional<std::string> path_;
  std::optional<FileStamp> stamp_;
  std::size_t hash_ = 0;
  // The disk's state when a change was last taken.
  bool changeTaken_ = false;
  std::optional<FileStamp> takenStamp_;
};

}  // namespace zumoku
