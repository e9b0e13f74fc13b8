#pragma once
// The same text in another encoding, refused rather than changed where the
// other encoding cannot say it.
#include <string>
#include <string_view>
#include <variant>

#include "encoding/encoding.h"

namespace zumoku {

// The first place that stops a conversion: a character the target encoding
// cannot hold, or bytes that are no character at all (empty `character`).
struct Unconvertible {
  int line = 0;           // from 1
  std::string character;  // UTF-8
};

// Stored bytes (CR LF line ends) in `from` as stored bytes in `to`.
std::variant<std::string, Unconvertible> Transcode(std::string_view stored, Encoding from, Encoding to);

}  // namespace zumoku
