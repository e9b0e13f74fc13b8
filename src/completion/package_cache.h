#pragma once
// What installed .sty and .cls files define, read once per file path and
// modification time and kept in a cache folder, so that a later session
// reads a file again only when it changed.
#include <filesystem>
#include <optional>

#include "completion/definitions.h"

namespace zumoku::completion {

class PackageCache {
 public:
  // An empty folder keeps nothing between sessions.
  explicit PackageCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // nullopt for a file that cannot be read.
  std::optional<Definitions> Read(const std::filesystem::path& file) const;

 private:
  std::filesystem::path EntryPath(const std::filesystem::path& file) const;

  std::filesystem::path folder_;
};

// The cache entry's text and back; nullopt for one that is not an entry
// of `file` at `stamp`.
std::string CacheEntry(const std::string& file, long long stamp, const Definitions& definitions);
std::optional<Definitions> ReadCacheEntry(std::string_view entry, const std::string& file, long long stamp);

}  // namespace zumoku::completion
