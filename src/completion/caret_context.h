#pragma once
// What the bytes before the caret ask to complete: a command being typed, or
// the argument of a command that takes a label, a citation key, a file, an
// environment, a package or a class. Read in the document's encoding, so a
// Shift_JIS trail byte that equals '\' or '{' is never taken for one.
#include <cstddef>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku::completion {

enum class ContextKind {
  kNone,
  kCommand,
  kEnvironment,
  kLabel,
  kCitation,
  kTexFile,
  kPicture,
  kBibFile,
  kBibResource,  // a .bib named with its extension
  kPackage,
  kClass,
};

struct CaretContext {
  ContextKind kind = ContextKind::kNone;
  // Where the word that a taken entry replaces begins (the backslash of a
  // command); it ends at the caret.
  std::size_t wordStart = 0;
  std::string prefix;              // what is typed of the word, the backslash left out
  bool closesEnvironment = false;  // inside \end{
  bool operator==(const CaretContext&) const = default;
};

struct ContextRules {
  int commandLetters = 2;  // letters after '\' before commands are offered
  bool forced = false;     // Ctrl+Space: commands anywhere outside an argument
};

// `before` is the text before the caret (its last line is enough).
CaretContext FindContext(std::string_view before, Encoding encoding, ContextRules rules);

// The innermost environment that `before` opens and leaves open, empty when
// there is none. Comments and escaped characters are skipped.
std::string InnermostOpenEnvironment(std::string_view before, Encoding encoding);

}  // namespace zumoku::completion
