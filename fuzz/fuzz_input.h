#pragma once
// Reading a fuzzer's input: its first byte picks the options, the rest is
// the text.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::fuzz {

struct Input {
  std::uint8_t options = 0;
  std::string_view text;

  Input(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    options = data[0];
    text = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
  }
  Encoding TextEncoding() const { return (options & 1) != 0 ? Encoding::kUtf8 : Encoding::kShiftJis; }
};

// The character boundaries of `text`: true at each offset a character starts
// (and at the end). CR LF is one character.
inline std::vector<bool> Boundaries(std::string_view text, Encoding encoding) {
  std::vector<bool> boundary(text.size() + 1, false);
  for (std::size_t at = 0; at < text.size();) {
    boundary[at] = true;
    at += text.substr(at, 2) == "\r\n" ? 2 : CharLengthAt(text, at, encoding);
  }
  boundary[text.size()] = true;
  return boundary;
}

}  // namespace zumoku::fuzz
