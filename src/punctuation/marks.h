#pragma once
// The two styles of Japanese punctuation and their four full-width marks:
// 「、。」 (U+3001, U+3002) and 「，．」 (U+FF0C, U+FF0E). Half-width "," and
// "." are no marks here. Each mark takes as many bytes as its counterpart in
// either encoding, so restyling never moves the text after it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku::punctuation {

enum class Style : std::uint8_t {
  kIdeographic,  // 「、。」
  kFullwidth,    // 「，．」
};

struct Mark {
  Style style;
  bool comma;  // else the full stop
  bool operator==(const Mark&) const = default;
};

// The mark that the character `c` (one whole character's bytes) is.
std::optional<Mark> MarkOf(std::string_view c, Encoding encoding);
// A mark's bytes in the encoding.
const std::string& BytesOf(Mark mark, Encoding encoding);
// The mark's counterpart in `style` (itself when it is in that style).
Mark InStyle(Mark mark, Style style);
// The same for one UTF-16 unit, as the editor shows text; any other unit
// is given back unchanged.
char16_t InStyle(char16_t c, Style style);

}  // namespace zumoku::punctuation
