#include "encoding/char_positions.h"

namespace zumoku {

int BytePos(std::string_view sub, std::string_view s) {
  const auto at = s.find(sub);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int CharPos(std::string_view sub, std::string_view s, Encoding encoding) {
  if (sub.empty()) return s.empty() ? 0 : 1;
  const std::size_t at = CharFind(sub, s, 0, encoding);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

// Finds byte matches first and walks characters only to check the few
// candidates, from the nearest line start (always a character boundary), so
// a search through a large text runs at the speed of a byte search.
std::size_t CharFind(std::string_view sub, std::string_view s, std::size_t from, Encoding encoding) {
  std::size_t boundary = from;
  for (auto at = s.find(sub, from); at != std::string_view::npos; at = s.find(sub, at + 1)) {
    const auto lineEnd = s.substr(boundary, at - boundary).rfind('\n');
    if (lineEnd != std::string_view::npos) boundary += lineEnd + 1;
    while (boundary < at) boundary += CharLengthAt(s, boundary, encoding);
    if (boundary == at) return at;
  }
  return std::string_view::npos;
}

std::string SubText(std::string_view s, int start, int count) {
  if (start < 1) start = 1;
  const auto from = static_cast<std::size_t>(start - 1);
  if (count <= 0 || from >= s.size()) return {};
  return std::string(s.substr(from, static_cast<std::size_t>(count)));
}

namespace {
// Line ends are always character boundaries (no byte inside a character is
// CR or LF in either encoding),
// so scanning from the start of the line is enough.
std::size_t LineStartBefore(std::string_view s, std::size_t offset) {
  const auto lf = s.rfind('\n', offset == 0 ? 0 : offset - 1);
  return (lf == std::string_view::npos || lf >= offset) ? 0 : lf + 1;
}

// Start of the character that contains `offset`, or `offset` itself.
std::size_t CharStartContaining(std::string_view s, std::size_t offset, Encoding encoding) {
  std::size_t at = LineStartBefore(s, offset);
  while (at < offset) {
    const std::size_t next = at + CharLengthAt(s, at, encoding);
    if (next > offset) return at;
    at = next;
  }
  return at;
}
}  // namespace

std::size_t FloorToCharBoundary(std::string_view s, std::size_t offset, Encoding encoding) {
  if (offset >= s.size()) return s.size();
  if (offset > 0 && s[offset] == '\n' && s[offset - 1] == '\r') return offset - 1;
  return CharStartContaining(s, offset, encoding);
}

std::size_t CeilToCharBoundary(std::string_view s, std::size_t offset, Encoding encoding) {
  if (offset >= s.size()) return s.size();
  if (offset > 0 && s[offset] == '\n' && s[offset - 1] == '\r') return offset + 1;
  const std::size_t start = CharStartContaining(s, offset, encoding);
  return start == offset ? offset : start + CharLengthAt(s, start, encoding);
}

}  // namespace zumoku
