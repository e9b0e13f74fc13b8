#include "markup/command_argument.h"

#include "buffer/sjis.h"

namespace zumoku {

int MatchingClosePos(std::string_view s, int open) {
  int depth = 0;
  for (std::size_t at = static_cast<std::size_t>(open - 1); at < s.size(); at += CharLengthAt(s, at)) {
    if (s[at] == '{') ++depth;
    if (s[at] == '}' && --depth == 0) return static_cast<int>(at) + 1;
  }
  return 0;
}

bool IsCommandName(std::string_view name) {
  if (name.ends_with('*')) name.remove_suffix(1);
  if (name.empty()) return false;
  for (const char c : name) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

std::optional<BracePositions> SingleCommandArgument(std::string_view s) {
  if (BytePos("\\", s) != 1) return std::nullopt;
  const int open = CharPos("{", s);
  if (open == 0 || !IsCommandName(s.substr(1, static_cast<std::size_t>(open - 2)))) return std::nullopt;
  const int close = MatchingClosePos(s, open);
  if (close != static_cast<int>(s.size())) return std::nullopt;
  return BracePositions{open, close};
}

}  // namespace zumoku
