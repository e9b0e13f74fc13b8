#include "encoding/char_positions.h"

#include <gtest/gtest.h>

#include "sjis_text.h"

namespace zumoku::test {

TEST(BytePos, MatchesOnAnyByte) {
  EXPECT_EQ(BytePos("\\", "\\textbf{a}"), 1);
  EXPECT_EQ(BytePos("}", S("マ")), 2);  // second byte of マ is 0x7D
  EXPECT_EQ(BytePos("x", "abc"), 0);
  EXPECT_EQ(BytePos("a", ""), 0);
}

TEST(CharPos, NeverMatchesOnATrailByte) {
  const struct {
    std::string sub, s;
    int expected;
  } rows[] = {
      {"}", S("マ}"), 3},       {"{", S("ボ{"), 3},           {"|", S("|"), 1},  {"|", S("ポ|"), 3},
      {"}", S("マ"), 0},        {"\\end{", S("表\\end{"), 3}, {"ab", "xxab", 3}, {"{", "", 0},
      {"}", S("ソ}") + "}", 3}, {"\\", S("表\\"), 3},         {"abc", "ab", 0},  {"}", S("漢\r\nマ"), 0},
      {"}", S("マ\r\nマ}"), 7},
  };
  for (const auto& row : rows) EXPECT_EQ(CharPos(row.sub, row.s, Encoding::kShiftJis), row.expected) << row.s;
}

// A lead byte and a trail byte are one character, assigned or not; a lead
// byte before any other byte stands alone.
TEST(CharLengthAt, LeadByteTakesOnlyATrailByte) {
  const struct {
    const char* bytes;
    std::size_t length;
  } rows[] = {{"\x82\x9B", 2}, {"\x85\x40", 2}, {"\x81\x3F", 1}, {"\x81\x40", 2}, {"\x81\x7E", 2},
              {"\x81\x7F", 1}, {"\x81\x80", 2}, {"\xFC\xFC", 2}, {"\x81\xFD", 1}, {"\x81 ", 1},
              {"\x81\r", 1},   {"\x81", 1},     {"\x40\x40", 1}};
  for (const auto& row : rows) EXPECT_EQ(SjisCharLengthAt(row.bytes, 0), row.length) << row.bytes;
}

TEST(CharPos, AsciiAfterAStrayLeadByteAtLineEndIsFound) {
  // A lead byte before CR stands alone; the line end is never swallowed.
  EXPECT_EQ(CharPos("\r\n}", "\x81\r\n}", Encoding::kShiftJis), 2);
}

TEST(SubText, ClampsEveryArgument) {
  const struct {
    int start, count;
    std::string expected;
  } rows[] = {{1, 3, "abc"}, {2, 2, "bc"},    {0, 2, "ab"}, {-5, 1, "a"}, {4, 1, "d"},
              {6, 1, ""},    {2, 99, "bcde"}, {2, 0, ""},   {2, -1, ""},  {5, 1, "e"}};
  for (const auto& row : rows) {
    EXPECT_EQ(SubText("abcde", row.start, row.count), row.expected) << row.start << "," << row.count;
  }
}

TEST(CharBoundary, SplitCharactersAndLineEndsMoveOutward) {
  const std::string s = S("a漢\r\nb字");  // a 漢(1,2) CR(3) LF(4) b(5) 字(6,7)
  const struct {
    std::size_t offset, floor, ceil;
  } rows[] = {{0, 0, 0}, {1, 1, 1}, {2, 1, 3}, {3, 3, 3}, {4, 3, 5}, {5, 5, 5}, {7, 6, 8}, {8, 8, 8}, {99, 8, 8}};
  for (const auto& row : rows) {
    EXPECT_EQ(FloorToCharBoundary(s, row.offset, Encoding::kShiftJis), row.floor) << row.offset;
    EXPECT_EQ(CeilToCharBoundary(s, row.offset, Encoding::kShiftJis), row.ceil) << row.offset;
  }
}

}  // namespace zumoku::test
