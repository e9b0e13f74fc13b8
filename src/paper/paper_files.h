#pragma once
// The files of a paper in reading order: the root, then each file it reads
// through \input, \include or \subfile at the place it reads it, the files
// those read in turn at theirs. Names in every file are taken from the
// root's folder, where TeX runs. Only regular files of bounded size are
// read; a missing or refused file, a loop and a file in another encoding
// than the root are each named once in `problems`, and the rest is read on.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "documents/file_system.h"
#include "encoding/encoding.h"

namespace zumoku::paper {

inline constexpr std::size_t kMaxPaperFiles = 500;
inline constexpr int kMaxInputDepth = 32;

struct PaperFile {
  std::string path;  // the root's folder joined with the name, "." and ".." taken out
  std::string name;  // relative to the root's folder, as shown to the user; the root's file name for the root
  std::string text;  // the bytes after any byte-order mark
  Encoding encoding = Encoding::kShiftJis;
  int depth = 0;  // 0 for the root, 1 for what it reads, ...
};

struct Paper {
  std::vector<PaperFile> files;             // the root first, then in reading order
  std::vector<std::string> bibliographies;  // paths of the .bib files named, in order, each once
  std::vector<std::string> problems;        // Japanese sentences, each naming its file
};

// The open document's text, read in place of its file (which may be older).
struct OpenText {
  std::string path;
  std::string text;
  Encoding encoding = Encoding::kShiftJis;
};

// `rootPath` is absolute.
Paper ReadPaper(FileSystem& files, const std::string& rootPath, const std::optional<OpenText>& open = std::nullopt);

// Whether the paper reads the file at `path` (compared with "." and ".." taken out).
bool PaperReads(const Paper& paper, const std::string& path);

}  // namespace zumoku::paper
