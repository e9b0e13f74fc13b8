#pragma once
// Shift_JIS (code page 932) character structure and the string operations
// every command searches and cuts with. Positions are 1-based byte positions;
// 0 means "not found".
#include <cstddef>
#include <string>
#include <string_view>

namespace zumoku {

inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

inline bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Byte length of the character that starts at `at` (1 or 2): a lead byte and
// a trail byte after it are one character, whether code page 932 assigns the
// pair or not. This is the one rule for searching, for positions and for the
// characters the editor shows. A lead byte before anything else (a line end,
// a space, the end of the text) stands alone.
inline std::size_t CharLengthAt(std::string_view s, std::size_t at) {
  const bool pair = IsLeadByte(static_cast<unsigned char>(s[at])) && at + 1 < s.size() &&
                    IsTrailByte(static_cast<unsigned char>(s[at + 1]));
  return pair ? 2 : 1;
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

// The character boundary at or before byte offset `offset` (0-based): a
// position inside a double-byte character or between CR and LF moves back.
std::size_t FloorToCharBoundary(std::string_view s, std::size_t offset);
// The same, moving forward to the end of the split character instead.
std::size_t CeilToCharBoundary(std::string_view s, std::size_t offset);

}  // namespace zumoku
