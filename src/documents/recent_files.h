#pragma once
// The documents last opened or saved, newest first, at most kLimit of them.
// Paths are UTF-8.
#include <cstddef>
#include <string>
#include <vector>

namespace zumoku {

class RecentFiles {
 public:
  static constexpr std::size_t kLimit = 10;

  explicit RecentFiles(std::vector<std::string> paths = {});

  // Puts `path` first; an entry already there moves up, the oldest past the
  // limit drops out.
  void Add(const std::string& path);
  void Remove(const std::string& path);
  void Clear() { paths_.clear(); }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

}  // namespace zumoku
