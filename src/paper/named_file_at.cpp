#include "paper/named_file_at.h"

#include <algorithm>
#include <vector>

#include "paper/paper_paths.h"

namespace zumoku::paper {

namespace {

// The names TeX tries, in order.
std::vector<std::string> Candidates(const NamedFile& named, const std::string& name) {
  switch (named.kind) {
    case NameKind::kInput:
    case NameKind::kSubfile:
      return {WithTexExtension(name), name};
    case NameKind::kInclude:
      return {name + ".tex"};
    case NameKind::kBibliography:
      return {name.ends_with(".bib") ? name : name + ".bib"};
    case NameKind::kGraphics:
      if (HasExtension(name)) return {name};
      return {name + ".pdf", name + ".png", name + ".jpg", name + ".eps"};
  }
  return {};
}

}  // namespace

// A bibliography's names share one command: the caret picks the name it
// stands in or beside, else the command's first.
std::optional<NamedFile> NamedFileAt(std::string_view text, Encoding encoding, std::size_t offset) {
  std::optional<NamedFile> first;
  std::size_t from = 0;
  for (NamedFile& named : NamedFiles(text, encoding)) {
    if (named.begin > offset || offset > named.end) continue;
    const std::size_t at = text.substr(0, named.end).find(named.name, std::max(from, named.begin));
    if (at != std::string_view::npos && at <= offset && offset <= at + named.name.size()) return std::move(named);
    if (at != std::string_view::npos) from = at + named.name.size();
    if (!first) first = std::move(named);
  }
  return first;
}

std::optional<std::string> FindNamedFile(FileSystem& files, const std::string& folder, const NamedFile& named,
                                         Encoding encoding) {
  for (const std::string& name : Candidates(named, FileSystemName(named.name, encoding))) {
    const std::string path = JoinedPath(folder, name);
    if (files.Exists(path) && !files.IsSpecialFile(path)) return path;
  }
  return std::nullopt;
}

}  // namespace zumoku::paper
