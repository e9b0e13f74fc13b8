#include "completion/package_cache.h"

#include <fstream>
#include <functional>
#include <system_error>

#include "completion/source_files.h"

namespace zumoku::completion {

namespace fs = std::filesystem;

namespace {
// Names and patterns hold neither tabs nor line ends, so an entry is a
// line per item: a kind letter, a tab, the item.
void Put(std::string& out, char kind, const std::string& item) { (out += kind) += '\t' + item + '\n'; }

std::optional<long long> Stamp(const fs::path& file) {
  std::error_code error;
  const auto time = fs::last_write_time(file, error);
  if (error) return std::nullopt;
  return static_cast<long long>(time.time_since_epoch().count());
}
}  // namespace

std::string CacheEntry(const std::string& file, long long stamp, const Definitions& definitions) {
  std::string out = file + '\n' + std::to_string(stamp) + '\n';
  for (const Defined& command : definitions.commands) Put(out, 'c', command.name + '\t' + command.pattern);
  for (const Defined& environment : definitions.environments) {
    Put(out, 'e', environment.name + '\t' + environment.pattern);
  }
  for (const std::string& package : definitions.packages) Put(out, 'p', package);
  for (const std::string& documentClass : definitions.classes) Put(out, 'k', documentClass);
  return out;
}

std::optional<Definitions> ReadCacheEntry(std::string_view entry, const std::string& file, long long stamp) {
  const std::string head = file + '\n' + std::to_string(stamp) + '\n';
  if (!entry.starts_with(head)) return std::nullopt;
  Definitions definitions;
  std::size_t start = head.size();
  while (start < entry.size()) {
    std::size_t end = entry.find('\n', start);
    if (end == std::string_view::npos) end = entry.size();
    const std::string_view line = entry.substr(start, end - start);
    start = end + 1;
    if (line.size() < 2 || line[1] != '\t') return std::nullopt;
    const std::string_view item = line.substr(2);
    const std::size_t tab = item.find('\t');
    const Defined defined{std::string(item.substr(0, tab)),
                          tab == std::string_view::npos ? std::string() : std::string(item.substr(tab + 1))};
    switch (line[0]) {
      case 'c':
        definitions.commands.push_back(defined);
        break;
      case 'e':
        definitions.environments.push_back(defined);
        break;
      case 'p':
        definitions.packages.emplace_back(item);
        break;
      case 'k':
        definitions.classes.emplace_back(item);
        break;
      default:
        return std::nullopt;
    }
  }
  return definitions;
}

fs::path PackageCache::EntryPath(const fs::path& file) const {
  return folder_ / (std::to_string(std::hash<std::string>{}(file.string())) + ".txt");
}

std::optional<Definitions> PackageCache::Read(const fs::path& file) const {
  const auto stamp = Stamp(file);
  if (!stamp) return std::nullopt;
  if (!folder_.empty()) {
    if (const auto entry = ReadBounded(EntryPath(file), kMaxSourceBytes)) {
      if (auto cached = ReadCacheEntry(*entry, file.string(), *stamp)) return cached;
    }
  }
  const auto bytes = ReadBounded(file, kMaxSourceBytes);
  if (!bytes) return std::nullopt;
  Definitions definitions = ScanDefinitions(DecodedText(*bytes));
  if (!folder_.empty()) {
    std::error_code error;
    fs::create_directories(folder_, error);
    const fs::path entryPath = EntryPath(file);
    const fs::path partial = entryPath.string() + ".part";
    {
      std::ofstream out(partial, std::ios::binary | std::ios::trunc);
      out << CacheEntry(file.string(), *stamp, definitions);
    }
    fs::rename(partial, entryPath, error);  // a half-written entry is never read
  }
  return definitions;
}

}  // namespace zumoku::completion
