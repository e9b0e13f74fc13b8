#include "paper/root_comments.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "paper/paper_paths.h"
#include "paper/tex_names.h"

namespace zumoku::paper {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

void SkipSpaces(std::string_view& s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
}

bool TakeWord(std::string_view& s, std::string_view word) {
  if (s.size() < word.size()) return false;
  const bool same = std::ranges::equal(s.substr(0, word.size()), word, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
  if (same) s.remove_prefix(word.size());
  return same;
}

std::string Trimmed(std::string_view s) {
  SkipSpaces(s);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

// "% !TEX root = main.tex", any case, spaces optional.
std::optional<std::string> TexRootName(std::string_view line) {
  if (!TakeWord(line, "%")) return std::nullopt;
  SkipSpaces(line);
  if (!TakeWord(line, "!")) return std::nullopt;
  SkipSpaces(line);
  if (!TakeWord(line, "tex")) return std::nullopt;
  SkipSpaces(line);
  if (!TakeWord(line, "root")) return std::nullopt;
  SkipSpaces(line);
  if (!TakeWord(line, "=")) return std::nullopt;
  std::string name = Trimmed(line);
  if (name.empty()) return std::nullopt;
  return name;
}

// "%#!platex main.tex": the first word after the program that is no option.
std::optional<std::string> HashBangName(std::string_view line) {
  if (!TakeWord(line, "%#!")) return std::nullopt;
  bool program = true;
  while (true) {
    SkipSpaces(line);
    if (line.empty()) return std::nullopt;
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    if (word == "&&" || word == ";" || word == "|") return std::nullopt;
    if (!program && !word.starts_with('-') && word.find('%') == std::string_view::npos) return std::string(word);
    program = false;
  }
}

// "%%% TeX-master: "main"": `t` (the file itself) and `nil` name no other file.
std::optional<std::string> TexMasterName(std::string_view line) {
  if (!line.starts_with('%')) return std::nullopt;
  const std::size_t key = line.find("TeX-master:");
  if (key == std::string_view::npos) return std::nullopt;
  line.remove_prefix(key + std::string_view("TeX-master:").size());
  SkipSpaces(line);
  if (!line.starts_with('"')) return std::nullopt;
  const std::size_t close = line.find('"', 1);
  if (close == std::string_view::npos || close == 1) return std::nullopt;
  return std::string(line.substr(1, close - 1));
}

template <typename Reader>
std::optional<std::string> FirstIn(const std::vector<std::string_view>& lines, std::size_t from, std::size_t to,
                                   Reader read) {
  for (std::size_t i = from; i < to; ++i)
    if (auto name = read(lines[i])) return name;
  return std::nullopt;
}

}  // namespace

std::optional<RootComment> RootNamedInComments(std::string_view text, Encoding encoding) {
  const std::vector<std::string_view> lines = Lines(text);
  const std::size_t head = std::min(lines.size(), static_cast<std::size_t>(kMagicCommentLines));
  const std::size_t tail = lines.size() - std::min(lines.size(), static_cast<std::size_t>(kTexMasterLines));
  const auto found = [&](RootSource source, const std::string& name) {
    return RootComment{.source = source, .name = WithTexExtension(FileSystemName(name, encoding))};
  };
  if (auto name = FirstIn(lines, 0, head, TexRootName)) return found(RootSource::kTexRoot, *name);
  if (auto name = FirstIn(lines, 0, head, HashBangName)) return found(RootSource::kHashBang, *name);
  if (auto name = FirstIn(lines, tail, lines.size(), TexMasterName)) return found(RootSource::kTexMaster, *name);
  const auto documentClass = FindDocumentClass(text, encoding);
  if (documentClass && documentClass->name == "subfiles" && !Trimmed(documentClass->options).empty()) {
    return found(RootSource::kSubfiles, Trimmed(documentClass->options));
  }
  return std::nullopt;
}

}  // namespace zumoku::paper
