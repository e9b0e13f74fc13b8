#include "documents/recent_files.h"

#include <algorithm>

namespace zumoku {

RecentFiles::RecentFiles(std::vector<std::string> paths) {
  // A list edited by hand may repeat a path or run long.
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) Add(*path);
}

void RecentFiles::Add(const std::string& path) {
  Remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kLimit) paths_.resize(kLimit);
}

void RecentFiles::Remove(const std::string& path) { std::erase(paths_, path); }

}  // namespace zumoku
