#include "paper/root_finder.h"

#include <algorithm>

#include "documents/text_format.h"
#include "paper/paper_files.h"
#include "paper/paper_paths.h"
#include "paper/paper_read.h"
#include "paper/tex_names.h"

namespace zumoku::paper {

namespace {

Root Refused(std::string error) { return {.error = std::move(error)}; }

bool IsRootClass(std::string_view text, Encoding encoding) {
  const auto documentClass = FindDocumentClass(text, encoding);
  return documentClass && documentClass->name != "subfiles";
}

// Follows the root's own comments to the file that names no other.
Root Followed(FileSystem& files, const std::string& documentPath, std::string path, RootSource source) {
  const std::string shownFrom = FolderOf(documentPath);
  std::vector<std::string> chain{documentPath};
  while (path != chain.back()) {
    if (std::ranges::find(chain, path) != chain.end() || static_cast<int>(chain.size()) > kMaxRootChain) {
      std::string names;
      for (const std::string& link : chain) names += RelativeName(link, shownFrom) + " → ";
      return Refused("親ファイルの指定が循環しています: " + names + RelativeName(path, shownFrom));
    }
    FileRead read = ReadPaperFile(files, path, RelativeName(path, shownFrom));
    if (!read.bytes) return Refused("親ファイルを使えません: " + read.problem);
    chain.push_back(path);
    const DetectedFormat detected = DetectFormat(*read.bytes, Encoding::kShiftJis);
    if (auto next = RootNamedInComments(detected.text, detected.format.encoding)) {
      path = JoinedPath(FolderOf(path), next->name);
    }
  }
  return {.path = path, .source = source};
}

std::vector<std::string> TexFilesIn(FileSystem& files, const std::string& folder) {
  std::vector<std::string> names = files.FileNames(folder);
  std::erase_if(names, [](const std::string& name) { return !name.ends_with(".tex"); });
  std::ranges::sort(names);
  if (names.size() > kMaxRootCandidates) names.resize(kMaxRootCandidates);
  return names;
}

// The files with a \documentclass in the document's folder and the one
// above whose paper reads the document.
std::vector<std::string> Includers(FileSystem& files, const std::string& documentPath) {
  std::vector<std::string> folders{FolderOf(documentPath)};
  if (folders.front() != "/") folders.push_back(FolderOf(folders.front()));
  std::vector<std::string> found;
  for (const std::string& folder : folders) {
    for (const std::string& name : TexFilesIn(files, folder)) {
      const std::string path = JoinedPath(folder, name);
      if (path == documentPath) continue;
      const FileRead read = ReadPaperFile(files, path, name);
      if (!read.bytes) continue;
      const DetectedFormat detected = DetectFormat(*read.bytes, Encoding::kShiftJis);
      if (!IsRootClass(detected.text, detected.format.encoding)) continue;
      if (PaperReads(ReadPaper(files, path), documentPath)) found.push_back(path);
    }
  }
  return found;
}

}  // namespace

bool Root::IsDocument(const std::string& documentPath) const { return path == JoinedPath("/", documentPath); }

Root FindRoot(FileSystem& files, const RootQuery& query) {
  const std::string document = JoinedPath("/", query.documentPath);
  if (auto named = RootNamedInComments(query.text, query.encoding)) {
    return Followed(files, document, JoinedPath(FolderOf(document), named->name), named->source);
  }
  if (!query.chosen.empty()) return Followed(files, document, JoinedPath("/", query.chosen), RootSource::kChosen);
  if (IsRootClass(query.text, query.encoding)) return {.path = document};
  std::vector<std::string> includers = Includers(files, document);
  if (includers.size() == 1) return Followed(files, document, includers.front(), RootSource::kIncluder);
  if (includers.empty()) return {.path = document};
  return {.source = RootSource::kIncluder, .candidates = std::move(includers)};
}

RootEncoding EncodingOfRoot(FileSystem& files, const std::string& rootPath, const RootQuery& document) {
  const std::string documentPath = JoinedPath("/", document.documentPath);
  if (rootPath == documentPath) return {.encoding = document.encoding};
  const std::string shownFrom = FolderOf(documentPath);
  const FileRead read = ReadPaperFile(files, rootPath, RelativeName(rootPath, shownFrom));
  if (!read.bytes) return {.error = "親ファイルを使えません: " + read.problem};
  const Encoding encoding = DetectFormat(*read.bytes, document.encoding).format.encoding;
  const bool ascii = std::ranges::all_of(document.text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (encoding == document.encoding || ascii) return {.encoding = encoding};
  return {.error = "親ファイル " + RelativeName(rootPath, shownFrom) + " は " + std::string(EncodingName(encoding)) +
                   " で、" + FileNameOf(documentPath) + " は " + std::string(EncodingName(document.encoding)) +
                   " です。どちらかを同じ文字コードで保存し直してください。"};
}

}  // namespace zumoku::paper
