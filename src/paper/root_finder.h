#pragma once
// Which file typesets the open document: the root of its paper. In order,
// first match wins: what the document's own comments name (see
// root_comments.h); the root the user set or chose before; the document
// itself when it has its own \documentclass; otherwise the .tex files with
// a \documentclass in its folder and the one above that read it, directly
// or through other files. A root whose own comments name another is
// followed there. A missing root and a chain that comes back on itself are
// refused with a message naming the file.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents/file_system.h"
#include "encoding/encoding.h"
#include "paper/root_comments.h"

namespace zumoku::paper {

inline constexpr int kMaxRootChain = 16;
inline constexpr std::size_t kMaxRootCandidates = 200;  // .tex files looked at per folder

struct RootQuery {
  std::string documentPath;  // absolute
  std::string_view text;     // the document's bytes as in the editor
  Encoding encoding = Encoding::kShiftJis;
  std::string chosen = {};  // the root set by hand or chosen before (absolute); empty when none
};

struct Root {
  std::string path = {};  // absolute; empty when refused or when the user must choose
  RootSource source = RootSource::kItself;
  std::vector<std::string> candidates = {};  // several files read the document: the user picks one
  std::string error = {};                    // why there is none; nothing may be typeset

  bool IsDocument(const std::string& documentPath) const;
};

Root FindRoot(FileSystem& files, const RootQuery& query);

struct RootEncoding {
  Encoding encoding = Encoding::kShiftJis;
  std::string error = {};  // names both files
};
// The encoding the tools read the root in: the open document's own when it
// is the root, else as opening the root finds it. A root in the other
// encoding than a document with characters past ASCII is refused: the tools
// would misread one of them.
RootEncoding EncodingOfRoot(FileSystem& files, const std::string& rootPath, const RootQuery& document);

}  // namespace zumoku::paper
