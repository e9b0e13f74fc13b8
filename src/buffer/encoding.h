#pragma once
// The two encodings a document's bytes can be in, and the one rule per
// encoding for where a character ends. Positions everywhere count the
// document's own bytes; no command may split what this rule calls one
// character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "buffer/sjis.h"

namespace zumoku {

enum class Encoding : std::uint8_t { kShiftJis, kUtf8 };

// Byte length (1 to 4) of the well-formed UTF-8 sequence that starts at `at`;
// 1 for a byte that starts none (each such byte is a character of its own).
// Overlong forms, surrogates and code points past U+10FFFF are not
// well-formed, and neither are U+F700-U+F7FF: those stand for single bytes
// in the editor, so a file's own sequences of them are kept as bytes.
std::size_t Utf8CharLengthAt(std::string_view s, std::size_t at);

inline std::size_t CharLengthAt(std::string_view s, std::size_t at, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? Utf8CharLengthAt(s, at) : CharLengthAt(s, at);
}

}  // namespace zumoku
