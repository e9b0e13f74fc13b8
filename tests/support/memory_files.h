#pragma once
// Files kept in memory, with paths that can be made unreadable or
// unwritable, or that name something other than a regular file.
#include <functional>
#include <map>
#include <set>

#include "documents/file_system.h"

namespace zumoku::test {

class MemoryFiles : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable, unwritable, special, folders;
  // Sizes the disk reports instead of the bytes' own.
  std::map<std::string, std::uint64_t> reportedSizes;

  std::optional<std::string> Read(const std::string& path) override {
    if (unreadable.contains(path) || !files.contains(path)) return std::nullopt;
    return files.at(path);
  }
  bool Write(const std::string& path, std::string_view bytes) override {
    if (unwritable.contains(path)) return false;
    files[path] = bytes;
    return true;
  }
  bool Exists(const std::string& path) override { return files.contains(path) || special.contains(path); }
  bool IsSpecialFile(const std::string& path) override { return special.contains(path); }
  bool IsFolder(const std::string& path) override { return folders.contains(path); }
  // Any change of the bytes changes the time, as on a disk; Touch changes
  // it alone.
  std::optional<FileStamp> Stamp(const std::string& path) override {
    if (!files.contains(path)) return std::nullopt;
    const std::string& bytes = files.at(path);
    return FileStamp{.size = reportedSizes.contains(path) ? reportedSizes.at(path) : bytes.size(),
                     .modifiedNs = static_cast<std::int64_t>(std::hash<std::string>{}(bytes)) + touches_[path]};
  }
  std::vector<std::string> FileNames(const std::string& folder) override {
    std::vector<std::string> names;
    const std::string prefix = folder + '/';
    for (const auto& [path, bytes] : files) {
      if (path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos)
        names.push_back(path.substr(prefix.size()));
    }
    return names;
  }
  void Touch(const std::string& path) { ++touches_[path]; }

 private:
  std::map<std::string, std::int64_t> touches_;
};

}  // namespace zumoku::test
