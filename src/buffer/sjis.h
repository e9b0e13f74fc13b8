#pragma once
// Shift_JIS (code page 932) character structure and the string operations
// every command searches and cuts with. Positions are 1-based byte positions;
// 0 means "not found".
#include <cstddef>
#include <string>
#include <string_view>

namespace zumoku {

inline bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Byte length of the character that starts at `at` (1 or 2). A lead byte at
// the end of the text, or before a line-end byte, stands alone.
inline std::size_t CharLengthAt(std::string_view s, std::size_t at) {
  if (!IsLeadByte(static_cast<unsigned char>(s[at])) || at + 1 >= s.size()) return 1;
  const char next = s[at + 1];
  return (next == '\r' || next == '\n') ? 1 : 2;
}

// First occurrence of sub in s, matching on any byte.
int BytePos(std::string_view sub, std::string_view s);
// First occurrence of sub in s that begins on a character boundary.
int CharPos(std::string_view sub, std::string_view s);
// The same as a 0-based offset, searching from `from` (a character
// boundary); npos when there is none.
std::size_t CharFind(std::string_view sub, std::string_view s, std::size_t from);
// Count bytes from the 1-based position start, clamped; never fails.
std::string SubText(std::string_view s, int start, int count);

using CharLengthRule = std::size_t (*)(std::string_view s, std::size_t at);

// The character boundary at or before byte offset `offset` (0-based): a
// position inside a double-byte character or between CR and LF moves back.
std::size_t FloorToCharBoundary(std::string_view s, std::size_t offset, CharLengthRule charLengthAt = CharLengthAt);
// The same, moving forward to the end of the split character instead.
std::size_t CeilToCharBoundary(std::string_view s, std::size_t offset, CharLengthRule charLengthAt = CharLengthAt);

}  // namespace zumoku
