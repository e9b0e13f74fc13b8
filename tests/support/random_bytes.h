#pragma once
// Random documents for round-trip tests: any bytes, lead bytes 0xF0-0xFC
// included, with CR LF line ends.
#include <random>
#include <string>

#include "buffer/line_ends.h"

namespace zumoku::test {

// Code page 932 has a few duplicate codes, which come back in the
// converter's preferred form: the NEC row 13 symbols 0x8790-0x879C, the NEC
// selected IBM extensions (lead bytes 0xED, 0xEE) and 0xFA4A-0xFA5B. True
// when `b` after `previous` could start or complete one of them.
inline bool MayMakeDuplicateCode(int previous, int b) {
  if (b == 0xED || b == 0xEE) return true;
  if (previous == 0x87) return b >= 0x90 && b <= 0x9C;
  if (previous == 0xFA) return b >= 0x4A && b <= 0x5B;
  return false;
}

// Up to `maxLength` random bytes that hold no duplicate code, line ends
// brought to CR LF by the loaded-text rule.
inline std::string RandomStoredBytes(std::mt19937& random, int maxLength) {
  std::uniform_int_distribution<int> byte(0, 255), length(0, maxLength);
  std::string bytes(static_cast<std::size_t>(length(random)), '\0');
  int previous = -1;
  for (char& c : bytes) {
    int b = byte(random);
    while (MayMakeDuplicateCode(previous, b)) b = byte(random);
    c = static_cast<char>(b);
    previous = b;
  }
  return NormalizeLoadedLineEnds(bytes);
}

}  // namespace zumoku::test
