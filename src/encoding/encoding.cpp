#include "encoding/encoding.h"

namespace zumoku {

namespace {

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// The sequence length a lead byte announces and the range its second byte
// must fall in (the narrower ranges rule out overlong forms, surrogates and
// code points past U+10FFFF); length 0 for a byte that leads nothing.
struct Lead {
  std::size_t length;
  unsigned char low;
  unsigned char high;
};

Lead LeadOf(unsigned char b) {
  if (b < 0x80) return {1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// U+F700-U+F7FF is EF 9C 80 to EF 9F BF.
bool IsStandInRange(unsigned char lead, unsigned char second) {
  return lead == 0xEF && second >= 0x9C && second <= 0x9F;
}

// U+FF61-U+FF9F, EF BD A1 to EF BE 9F.
bool IsHalfWidthKatakana(std::string_view c) {
  if (c.size() != 3 || static_cast<unsigned char>(c[0]) != 0xEF) return false;
  const auto second = static_cast<unsigned char>(c[1]);
  const auto third = static_cast<unsigned char>(c[2]);
  return (second == 0xBD && third >= 0xA1) || (second == 0xBE && third <= 0x9F);
}

}  // namespace

bool IsFullWidth(std::string_view c, Encoding encoding) {
  if (encoding == Encoding::kShiftJis) return c.size() == 2;
  return c.size() > 1 && !IsHalfWidthKatakana(c);
}

std::size_t Utf8CharLengthAt(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
  const Lead lead = LeadOf(byte(0));
  if (lead.length <= 1 || at + lead.length > s.size()) return 1;
  if (byte(1) < lead.low || byte(1) > lead.high || IsStandInRange(byte(0), byte(1))) return 1;
  for (std::size_t i = 2; i < lead.length; ++i) {
    if (!IsContinuation(byte(i))) return 1;
  }
  return lead.length;
}

}  // namespace zumoku
