#include "math/symbol_conversion.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

using namespace std::string_literals;

struct ConversionRow {
  const char* name;
  std::string selection, expected;
};

class SymbolConversion : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(SymbolConversion, ReplacesTheSelection) {
  SelectedText doc("<", GetParam().selection, ">");
  math::ConvertSelectedSymbols(doc.buffer);
  EXPECT_EQ(doc.buffer.Text(), "<" + GetParam().expected + ">");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(GetParam().expected.size()) + 1);
  EXPECT_EQ(doc.buffer.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymbolConversion,
    ::testing::Values(ConversionRow{"EmptySelection", "", ""}, ConversionRow{"Theta", S("Θ"), "\\theta \r\n"},
                      ConversionRow{"BracesAndBackslash", S("｛ｘ｝＼"), S("\\{ｘ\\}\\backslash \r\n")},
                      ConversionRow{"SineOfParentheses", S("サイン（x）"), "\\sin \\left( x\\right) \r\n"},
                      ConversionRow{"Cosine", S("コサイン"), "\\cos \r\n"},
                      ConversionRow{"Sine", S("サイン"), "\\sin \r\n"},
                      ConversionRow{"WordsInARow", S("コサインサインコサイン"), "\\cos \\sin \\cos \r\n"},
                      // Half-width look-alikes, half-width katakana and the small theta stay.
                      ConversionRow{"LookAlikesStay", S("\\{}()ｻｲﾝθ"), S("\\{}()ｻｲﾝθ\r\n")},
                      // Empty lines stay; a final line end gets no second one.
                      ConversionRow{"EmptyLinesStay", S("Θ\r\n\r\nx\r\n"), "\\theta \r\n\r\nx\r\n"},
                      // NUL is text like any other: nothing after it is lost.
                      ConversionRow{"Nul", "a\0"s + S("Θ") + "\0b"s, "a\0\\theta \0b\r\n"s}),
    RowName());

TEST(SymbolConversion, PatternsNeverStartOnATrailByte) {
  // ｛ is 81 6F; in 88 81 6F ("亜" then "o") the pair 81 6F straddles two characters.
  const std::string straddling = S("亜o");
  ASSERT_EQ(straddling,
            "\x88\x9f"
            "o");
  EXPECT_EQ(math::ReplaceCharacters("\x81\x81\x6f", "\x81\x6f", "X", Encoding::kShiftJis), "\x81\x81\x6f");
  EXPECT_EQ(math::ReplaceCharacters("a\x81\x6f\x81\x6f", "\x81\x6f", "X", Encoding::kShiftJis), "aXX");
  // ン (83 93) then サイン: only the real word matches.
  EXPECT_EQ(math::ConvertSymbols(S("ンサイン"), Encoding::kShiftJis), S("ン") + "\\sin \r\n");
}

TEST(SymbolConversion, ReplacedTextIsNotSearchedAgain) {
  EXPECT_EQ(math::ReplaceCharacters("aaaa", "aa", "a", Encoding::kShiftJis), "aa");
  EXPECT_EQ(math::ReplaceCharacters("abc", "", "x", Encoding::kShiftJis), "abc");
}

}  // namespace zumoku::test
