#pragma once
// Shift_JIS (code page 932) character structure.
#include <cstddef>
#include <string_view>

namespace zumoku {

inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

inline bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Byte length of the character that starts at `at` (1 or 2): a lead byte and
// a trail byte after it are one character, whether code page 932 assigns the
// pair or not. This is the one rule for searching, for positions and for the
// characters the editor shows. A lead byte before anything else (a line end,
// a space, the end of the text) stands alone.
inline std::size_t SjisCharLengthAt(std::string_view s, std::size_t at) {
  const bool pair = IsLeadByte(static_cast<unsigned char>(s[at])) && at + 1 < s.size() &&
                    IsTrailByte(static_cast<unsigned char>(s[at + 1]));
  return pair ? 2 : 1;
}

}  // namespace zumoku
