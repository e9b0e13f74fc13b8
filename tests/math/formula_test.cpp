#include "math/formula.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

TEST(InlineMath, SelectionThatBeginsAndEndsWithADollarSign) {
  for (const char* yes : {"$x^2$", "$", "$$", "$a$ and $b$"}) EXPECT_TRUE(math::IsInlineMath(yes)) << yes;
  for (const char* no : {"", "$x", "x$", "x"}) EXPECT_FALSE(math::IsInlineMath(no)) << no;
  EXPECT_FALSE(math::IsInlineMath(S("$マ")));
}

struct InlineRow {
  const char* name;
  std::string selection;
  bool inlineMathSelected;
  std::string expected;
};

class ToggleInline : public ::testing::TestWithParam<InlineRow> {};

TEST_P(ToggleInline, WrapsOrUnwrapsBetweenNeighbours) {
  SelectedText doc("<", GetParam().selection, ">");
  math::ToggleInlineMath(doc.buffer, GetParam().inlineMathSelected);
  EXPECT_EQ(doc.buffer.Text(), "<" + GetParam().expected + ">");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(GetParam().expected.size()) + 1);
  EXPECT_EQ(doc.buffer.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ToggleInline,
    ::testing::Values(InlineRow{"WrapNothing", "", false, "$$"}, InlineRow{"Wrap", "x^2", false, "$x^2$"},
                      InlineRow{"WrapDoubleByte", S("マ"), false, S("$マ$")}, InlineRow{"Unwrap", "$x^2$", true, "x^2"},
                      InlineRow{"UnwrapOneDollar", "$", true, ""}, InlineRow{"UnwrapTwoDollars", "$$", true, ""},
                      InlineRow{"UnwrapTwoFormulas", "$a$ and $b$", true, "a$ and $b"},
                      InlineRow{"UnwrapDoubleByte", S("$マ$"), true, S("マ")}),
    RowName());

struct DisplayRow {
  const char* name;
  const math::DisplayEnvironment* environment;
  std::string selection, expected;
};

class Display : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(Display, WrapsTheSelectionInItsEnvironment) {
  // No preamble: the package line is never touched here, and the amsmath
  // environments say that they need it.
  SelectedText doc("a", GetParam().selection, "b");
  EXPECT_EQ(math::WrapInDisplay(doc.buffer, *GetParam().environment), !GetParam().environment->needsAmsmath);
  EXPECT_EQ(doc.buffer.Text(), "a" + GetParam().expected + "b");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(GetParam().expected.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, Display,
    ::testing::Values(
        DisplayRow{"EquationAroundNothing", &math::kEquation, "", "\\begin{equation}\r\n\r\n\\end{equation}"},
        DisplayRow{"Equation", &math::kEquation, "x=1", "\\begin{equation}\r\nx=1\r\n\\end{equation}"},
        // Line ends that close the selection follow the block: no empty line inside.
        DisplayRow{"GatherBeforeALineEnd", &math::kGather, "x\r\n", "\\begin{gather}\r\nx\r\n\\end{gather}\r\n"},
        DisplayRow{"EquationBeforeAnEmptyLine", &math::kEquation, "x\r\ny\r\n\r\n",
                   "\\begin{equation}\r\nx\r\ny\r\n\\end{equation}\r\n\r\n"},
        DisplayRow{"EquationStarAroundALineEnd", &math::kEquationStar, "\r\n",
                   "\\begin{equation*}\r\n\r\n\\end{equation*}\r\n"},
        DisplayRow{"GatherStarBeforeALineEnd", &math::kGatherStar, S("ア\r\n"),
                   S("\\begin{gather*}\r\nア\r\n\\end{gather*}\r\n")},
        DisplayRow{"GatherStar", &math::kGatherStar, "x", "\\begin{gather*}\r\nx\r\n\\end{gather*}"},
        DisplayRow{"EquationStar", &math::kEquationStar, S("ア"), S("\\begin{equation*}\r\nア\r\n\\end{equation*}")}),
    RowName());

TEST(Display, AmsmathEnvironmentsNameThePackageAndEquationDoesNot) {
  const struct {
    const math::DisplayEnvironment* environment;
    std::string packageLine;
  } rows[] = {{&math::kEquation, ""},
              {&math::kEquationStar, "\\usepackage{amsmath}"},
              {&math::kGather, "\\usepackage{amsmath}"},
              {&math::kGatherStar, "\\usepackage{amsmath}"}};
  for (const auto& row : rows) {
    SelectedText doc("\\documentclass{jsarticle}\r\n\r\n\\begin{document}\r\n", "x", "\r\n\\end{document}\r\n");
    EXPECT_TRUE(math::WrapInDisplay(doc.buffer, *row.environment));
    EXPECT_EQ(doc.buffer.Lines().Get(1), row.packageLine) << row.environment->name;
  }
}

}  // namespace zumoku::test
