#include "markup/font_style.h"

#include <gtest/gtest.h>

#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

struct StyleRow {
  std::string selection, expected;
};

class FontStyle : public ::testing::TestWithParam<StyleRow> {};

TEST_P(FontStyle, BoldWrapsOrExchanges) {
  SelectedText text(GetParam().selection);
  font::ApplyStyle(text.buffer, font::kBold);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.SelStart(), static_cast<int>(GetParam().expected.size()) + 1);
  EXPECT_EQ(text.buffer.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, FontStyle,
    ::testing::Values(StyleRow{"", "\\textbf{}"}, StyleRow{"abc", "\\textbf{abc}"},
                      StyleRow{"\\textit{abc}", "\\textbf{abc}"}, StyleRow{"\\textbf{abc}", "\\textbf{abc}"},
                      StyleRow{S("\\textit{マ}"), S("\\textbf{マ}")},
                      StyleRow{S("\\emph{ボ}"), S("\\textbf{ボ}")},
                      StyleRow{"\\section*{a}", "\\textbf{a}"},
                      // Nested braces: the whole argument stays.
                      StyleRow{"\\textit{a{b}c}", "\\textbf{a{b}c}"},
                      // Not exactly one command: wrapped whole, nothing lost.
                      StyleRow{"\\textit{abc} x", "\\textbf{\\textit{abc} x}"},
                      StyleRow{"\\alpha", "\\textbf{\\alpha}"},
                      StyleRow{"\\a}b{c}", "\\textbf{\\a}b{c}}"},
                      StyleRow{"\\textit{abc", "\\textbf{\\textit{abc}"},
                      StyleRow{"\\textcolor{red}{x}", "\\textbf{\\textcolor{red}{x}}"},
                      StyleRow{"\\{x}", "\\textbf{\\{x}}"},
                      // Control symbols and blanks before the brace are one command.
                      StyleRow{S("\\.{漢}"), S("\\textbf{漢}")}, StyleRow{"\\'{e}", "\\textbf{e}"},
                      StyleRow{"\\textit \t{abc}", "\\textbf{abc}"},
                      StyleRow{"\\\\{x}", "\\textbf{\\\\{x}}"}, StyleRow{"\\ {x}", "\\textbf{\\ {x}}"}));

class FontRemoval : public ::testing::TestWithParam<StyleRow> {};

TEST_P(FontRemoval, LeavesTheArgumentOfOneCommandOnly) {
  SelectedText text(GetParam().selection);
  font::RemoveStyle(text.buffer);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.Modified(), GetParam().selection != GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, FontRemoval,
                         ::testing::Values(StyleRow{"\\textit{abc}", "abc"}, StyleRow{"abc", "abc"},
                                           StyleRow{"", ""}, StyleRow{S("\\textbf{マ}"), S("マ")},
                                           StyleRow{"\\textbf{a{b}c}", "a{b}c"},
                                           StyleRow{"\\textbf{abc} x", "\\textbf{abc} x"},
                                           StyleRow{"\\textbf", "\\textbf"},
                                           StyleRow{S("\\.{漢}"), S("漢")}, StyleRow{"\\textbf {abc}", "abc"}));

}  // namespace zumoku::test
