#include "markup/command_argument.h"

#include <algorithm>

#include "encoding/char_positions.h"

namespace zumoku {

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A control symbol is named by one character that is not a letter, as in
// the accents \' and \. . Blanks, braces and non-ASCII bytes name nothing
// that takes an argument, and \\ is a line break before a group.
bool IsSymbolName(char c) { return c > ' ' && c < 0x7F && !IsLetter(c) && c != '{' && c != '}' && c != '\\'; }

// The length of the command name that starts s: letters with an optional
// "*", or one symbol character; 0 when there is none.
std::size_t CommandNameLength(std::string_view s) {
  if (s.empty()) return 0;
  if (IsSymbolName(s.front())) return 1;
  std::size_t length = 0;
  while (length < s.size() && IsLetter(s[length])) ++length;
  if (length > 0 && length < s.size() && s[length] == '*') ++length;
  return length;
}
}  // namespace

int MatchingClosePos(std::string_view s, int open, Encoding encoding) {
  int depth = 0;
  for (std::size_t at = static_cast<std::size_t>(open - 1); at < s.size(); at += CharLengthAt(s, at, encoding)) {
    if (s[at] == '{') ++depth;
    if (s[at] == '}' && --depth == 0) return static_cast<int>(at) + 1;
  }
  return 0;
}

bool IsCommandName(std::string_view name) {
  if (name.ends_with('*')) name.remove_suffix(1);
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(), IsLetter);
}

std::optional<BracePositions> SingleCommandArgument(std::string_view s, Encoding encoding) {
  if (BytePos("\\", s) != 1) return std::nullopt;
  const std::size_t nameLength = CommandNameLength(s.substr(1));
  if (nameLength == 0) return std::nullopt;
  // TeX skips blanks between a command and its argument.
  const std::size_t brace = s.find_first_not_of(" \t", 1 + nameLength);
  if (brace == std::string_view::npos || s[brace] != '{') return std::nullopt;
  const int open = static_cast<int>(brace) + 1;
  const int close = MatchingClosePos(s, open, encoding);
  if (close != static_cast<int>(s.size())) return std::nullopt;
  return BracePositions{open, close};
}

}  // namespace zumoku
