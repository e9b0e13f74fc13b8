#pragma once
// The few file operations documents need. Paths are UTF-8 strings.
#include <optional>
#include <string>
#include <string_view>

namespace zumoku {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The file's bytes exactly as stored; nullopt when it cannot be read
  // (missing, locked, a folder).
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Replaces the file whole, atomically: on failure the old file, if any, is
  // left exactly as it was. False when the file cannot be written.
  virtual bool Write(const std::string& path, std::string_view bytes) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // True when the path names something that is there but is not a regular
  // file (a folder, a FIFO, a device). Documents are never read from such a
  // thing, which may block until another program writes, nor saved over it.
  virtual bool IsSpecialFile(const std::string& path) = 0;
};

}  // namespace zumoku
