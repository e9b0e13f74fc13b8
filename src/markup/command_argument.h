#pragma once
// Recognising a selection that is exactly one LaTeX command with one braced
// argument, such as \textbf{abc}: the shape the font commands exchange or
// take off.
#include <optional>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku {

// 1-based positions in the selection of the "{" that opens the argument and
// of the "}" that matches it.
struct BracePositions {
  int OpenPos = 0;
  int ClosePos = 0;
};

// The position of the "}" that closes the group opened at the 1-based
// position open (nested groups counted, Shift_JIS-aware); 0 when unclosed.
int MatchingClosePos(std::string_view s, int open, Encoding encoding);

// ASCII letters, optionally followed by "*": the name after a backslash.
bool IsCommandName(std::string_view name);

// The argument's braces when s is a backslash, a command name (ASCII letters,
// optionally followed by "*", or one ASCII character that is neither a
// letter, a blank nor a brace, as in \.{漢} or \'{e}), optional blanks, "{",
// an argument with balanced braces, and the matching "}" as its last byte.
// nullopt for every other shape.
std::optional<BracePositions> SingleCommandArgument(std::string_view s, Encoding encoding);

}  // namespace zumoku
