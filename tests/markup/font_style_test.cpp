#include "markup/font_style.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

struct StyleRow {
  const char* name;
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
    ::testing::Values(StyleRow{"EmptySelection", "", "\\textbf{}"}, StyleRow{"PlainText", "abc", "\\textbf{abc}"},
                      StyleRow{"ItalicExchanged", "\\textit{abc}", "\\textbf{abc}"},
                      StyleRow{"BoldKept", "\\textbf{abc}", "\\textbf{abc}"},
                      StyleRow{"ClosingBraceTrailByte", S("\\textit{マ}"), S("\\textbf{マ}")},
                      StyleRow{"OpeningBraceTrailByte", S("\\emph{ボ}"), S("\\textbf{ボ}")},
                      StyleRow{"StarredCommand", "\\section*{a}", "\\textbf{a}"},
                      // Nested braces: the whole argument stays.
                      StyleRow{"NestedBraces", "\\textit{a{b}c}", "\\textbf{a{b}c}"},
                      // Not exactly one command: wrapped whole, nothing lost.
                      StyleRow{"TextAfterTheCommand", "\\textit{abc} x", "\\textbf{\\textit{abc} x}"},
                      StyleRow{"NoArgument", "\\alpha", "\\textbf{\\alpha}"},
                      StyleRow{"UnbalancedBraces", "\\a}b{c}", "\\textbf{\\a}b{c}}"},
                      StyleRow{"UnclosedArgument", "\\textit{abc", "\\textbf{\\textit{abc}"},
                      StyleRow{"TwoArguments", "\\textcolor{red}{x}", "\\textbf{\\textcolor{red}{x}}"},
                      StyleRow{"EscapedBrace", "\\{x}", "\\textbf{\\{x}}"},
                      // Control symbols and blanks before the brace are one command.
                      StyleRow{"EmphasisDots", S("\\.{漢}"), S("\\textbf{漢}")},
                      StyleRow{"Accent", "\\'{e}", "\\textbf{e}"},
                      StyleRow{"BlanksBeforeTheBrace", "\\textit \t{abc}", "\\textbf{abc}"},
                      StyleRow{"LineBreak", "\\\\{x}", "\\textbf{\\\\{x}}"},
                      StyleRow{"ControlSpace", "\\ {x}", "\\textbf{\\ {x}}"}),
    RowName());

class FontRemoval : public ::testing::TestWithParam<StyleRow> {};

TEST_P(FontRemoval, LeavesTheArgumentOfOneCommandOnly) {
  SelectedText text(GetParam().selection);
  font::RemoveStyle(text.buffer);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.Modified(), GetParam().selection != GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, FontRemoval,
                         ::testing::Values(StyleRow{"Italic", "\\textit{abc}", "abc"},
                                           StyleRow{"PlainText", "abc", "abc"}, StyleRow{"EmptySelection", "", ""},
                                           StyleRow{"ClosingBraceTrailByte", S("\\textbf{マ}"), S("マ")},
                                           StyleRow{"NestedBraces", "\\textbf{a{b}c}", "a{b}c"},
                                           StyleRow{"TextAfterTheCommand", "\\textbf{abc} x", "\\textbf{abc} x"},
                                           StyleRow{"NoArgument", "\\textbf", "\\textbf"},
                                           StyleRow{"EmphasisDots", S("\\.{漢}"), S("漢")},
                                           StyleRow{"BlankBeforeTheBrace", "\\textbf {abc}", "abc"}),
                         RowName());

}  // namespace zumoku::test
