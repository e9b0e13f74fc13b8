#pragma once
// Reading the files completion draws on: only regular files, never more
// than a bound, decoded to UTF-8 as documents are detected.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::completion {

inline constexpr std::size_t kMaxSourceBytes = 16u << 20;
inline constexpr std::size_t kMaxBibBytes = 64u << 20;

// nullopt for a file that is missing, not a regular file, or larger than
// `maxBytes`.
std::optional<std::string> ReadBounded(const std::filesystem::path& path, std::size_t maxBytes);
// Shift_JIS or UTF-8 as detected, line ends '\n'; bytes that are no
// character stay as stand-ins.
std::string DecodedText(std::string_view bytes);

// The files below `folder` that completion offers after \input, \includegraphics
// and \bibliography, relative to it with '/' and sorted; hidden folders are
// left out, and the walk stops after kMaxListedFiles entries.
struct FolderFiles {
  std::vector<std::string> tex;       // without ".tex", as \input takes them
  std::vector<std::string> pictures;  // .pdf .png .jpg .jpeg .eps, as given
  std::vector<std::string> bib;       // without ".bib"
};
inline constexpr int kMaxListedFiles = 5000;
FolderFiles ListFolderFiles(const std::filesystem::path& folder);

// The package (.sty) and class (.cls) names an ls-R file lists.
struct InstalledNames {
  std::vector<std::string> packages;
  std::vector<std::string> classes;
};
void AddInstalledNames(std::string_view lsR, InstalledNames& names);

}  // namespace zumoku::completion
