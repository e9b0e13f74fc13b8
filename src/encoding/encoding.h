#pragma once
// The two encodings a document's bytes can be in, and the one rule per
// encoding for where a character ends. Positions everywhere count the
// document's own bytes; no command may split what this rule calls one
// character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encoding/sjis.h"

namespace zumoku {

enum class Encoding : std::uint8_t { kShiftJis, kUtf8 };

// Magic comments, which name a file's encoding and the command that
// typesets it, are read in its first lines only.
inline constexpr int kMagicCommentLines = 10;

// Byte length (1 to 4) of the well-formed UTF-8 sequence that starts at `at`;
// 1 for a byte that starts none (each such byte is a character of its own).
// Overlong forms, surrogates and code points past U+10FFFF are not
// well-formed, and neither are U+F700-U+F7FF: those stand for single bytes
// in the editor, so a file's own sequences of them are kept as bytes.
std::size_t Utf8CharLengthAt(std::string_view s, std::size_t at);

inline std::size_t CharLengthAt(std::string_view s, std::size_t at, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? Utf8CharLengthAt(s, at) : SjisCharLengthAt(s, at);
}

// True for a full-width character: one that Shift_JIS stores in two bytes,
// as the character `c` (one character's bytes) is in either encoding. In
// UTF-8 that is every character past ASCII but the half-width katakana.
bool IsFullWidth(std::string_view c, Encoding encoding);

}  // namespace zumoku
