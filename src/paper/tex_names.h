#pragma once
// The files a LaTeX text names: \input, \include, \subfile, \bibliography,
// \addbibresource and \includegraphics outside comments, read in the text's
// encoding so that a Shift_JIS character whose second byte is '\\' or '}'
// is never taken for one.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::paper {

enum class NameKind { kInput, kInclude, kSubfile, kBibliography, kGraphics };

struct NamedFile {
  NameKind kind = NameKind::kInput;
  std::string name;       // as written (bytes in the text's encoding), spaces trimmed; one name of a list
  std::size_t begin = 0;  // the command's backslash
  std::size_t end = 0;    // past its closing brace

  bool operator==(const NamedFile&) const = default;
};

// In text order; a \bibliography{a,b} gives one entry per name.
std::vector<NamedFile> NamedFiles(std::string_view text, Encoding encoding);

struct DocumentClass {
  std::string options;  // inside [ ], empty without them
  std::string name;
};
// The first \documentclass outside comments.
std::optional<DocumentClass> FindDocumentClass(std::string_view text, Encoding encoding);

// A name from the text as a file-system (UTF-8) name.
std::string FileSystemName(std::string_view name, Encoding encoding);

}  // namespace zumoku::paper
