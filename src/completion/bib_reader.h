#pragma once
// The entries of a .bib file, decoded to UTF-8: each key with its author,
// year and title. @string abbreviations are expanded, @comment and
// @preamble skipped, and an entry that does not parse is skipped alone.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::completion {

struct BibEntry {
  std::string key;
  std::string author;
  std::string year;
  std::string title;
  bool operator==(const BibEntry&) const = default;
};

std::vector<BibEntry> ReadBib(std::string_view text);

}  // namespace zumoku::completion
