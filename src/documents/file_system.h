#pragma once
// The few file operations documents need. Paths are UTF-8 strings.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zumoku {

// What the disk says of a file without reading it: enough to notice that
// another program wrote it or put another file in its place.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;  // modification time in nanoseconds
  std::uint64_t inode = 0;      // with the device: which file the name stands for
  std::uint64_t device = 0;

  bool operator==(const FileStamp&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The file's bytes exactly as stored, read to the end whatever size the
  // disk reports; nullopt when it cannot be read (missing, locked, a folder)
  // and for anything but a regular file, which might block (IsSpecialFile).
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Replaces the file's bytes, atomically: on failure the old file, if any,
  // is left exactly as it was. False when the file cannot be written.
  virtual bool Write(const std::string& path, std::string_view bytes) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // True when the path names something that is there but is not a regular
  // file (a folder, a FIFO, a device). Documents are never read from such a
  // thing, which may block until another program writes, nor saved over it.
  virtual bool IsSpecialFile(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  // nullopt when nothing is there.
  virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;
  // The names of what a folder holds, in no set order, at most
  // kMaxFolderNames of them; empty when it cannot be read.
  virtual std::vector<std::string> FileNames(const std::string& folder) = 0;

  static constexpr std::size_t kMaxFolderNames = 10000;
};

}  // namespace zumoku
