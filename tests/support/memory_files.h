#pragma once
// Files kept in memory, with paths that can be made unreadable or
// unwritable, or that name something other than a regular file.
#include <map>
#include <set>

#include "documents/file_system.h"

namespace zumoku::test {

class MemoryFiles : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable, unwritable, special;

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
};

}  // namespace zumoku::test
