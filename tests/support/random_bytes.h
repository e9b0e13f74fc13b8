#pragma once
// Random documents for round-trip tests: any bytes, lead bytes 0xF0-0xFC and
// code page 932's duplicate codes included, with CR LF line ends.
#include <random>
#include <string>

#include "encoding/line_ends.h"

namespace zumoku::test {

// Up to `maxLength` random bytes, line ends brought to CR LF by the
// loaded-text rule.
inline std::string RandomStoredBytes(std::mt19937& random, int maxLength) {
  std::uniform_int_distribution<int> byte(0, 255), length(0, maxLength);
  std::string bytes(static_cast<std::size_t>(length(random)), '\0');
  for (char& c : bytes) c = static_cast<char>(byte(random));
  return NormalizeLoadedLineEnds(bytes);
}

}  // namespace zumoku::test
