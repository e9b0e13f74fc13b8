#pragma once
// Documents on disk. Paths arrive as UTF-8 and are handed to Qt as Unicode,
// so any file name the dialogs offer can be read and written.
#include "documents/file_system.h"

namespace zumoku {

class DiskFiles : public FileSystem {
 public:
  std::optional<std::string> Read(const std::string& path) override;
  // The bytes go to a temporary file in the same folder, which then replaces
  // the target, so a failed or interrupted write never leaves a truncated
  // document behind; the owner, the group and the permissions stay where the
  // system allows. A file with several hard links is instead written in
  // place, once its new bytes are safe beside it, so that every name sees
  // them.
  bool Write(const std::string& path, std::string_view bytes) override;
  bool Exists(const std::string& path) override;
  bool IsSpecialFile(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::optional<FileStamp> Stamp(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder) override;
};

}  // namespace zumoku
