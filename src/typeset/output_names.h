#pragma once
// What a typesetting run writes next to the document, by name alone: plain
// C++, so commands that must not touch those files can tell them too.
#include <string>
#include <string_view>

namespace zumoku::typeset {

// The document's name up to its last extension, folders kept.
inline std::string JobNameOf(std::string_view texFile) {
  const std::size_t slash = texFile.find_last_of("/\\");
  const std::size_t dot = texFile.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::string(texFile);
  return std::string(texFile.substr(0, dot));
}

inline std::string PdfFileOf(std::string_view texFile) { return JobNameOf(texFile) + ".pdf"; }

}  // namespace zumoku::typeset
