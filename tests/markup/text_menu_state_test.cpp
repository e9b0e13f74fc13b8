#include "markup/text_menu_state.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "sjis_text.h"

namespace zumoku::test {

struct MenuRow {
  const char* name;
  std::string selection;
  bool fontRemoval, sizeRemoval;
  align::PresentBlocks alignment;
};

class TextMenu : public ::testing::TestWithParam<MenuRow> {};

TEST_P(TextMenu, OffersTheRemovalsTheCommandsWouldCarryOut) {
  const TextMenuState state = InspectSelection(GetParam().selection, Encoding::kShiftJis);
  EXPECT_EQ(state.showFontRemoval, GetParam().fontRemoval);
  EXPECT_EQ(state.showSizeRemoval, GetParam().sizeRemoval);
  EXPECT_EQ(state.alignment, GetParam().alignment);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, TextMenu,
    ::testing::Values(MenuRow{"EmptySelection", "", false, false, {}}, MenuRow{"PlainText", "abc", false, false, {}},
                      MenuRow{"Bold", "\\textbf{abc}", true, false, {}},
                      MenuRow{"TextAfterTheCommand", "\\textbf{abc} x", false, false, {}},
                      MenuRow{"ClosingBraceTrailByte", S("\\textit{マ}"), true, false, {}},
                      MenuRow{"OpeningBraceTrailByte", S("\\textit{ボ}"), true, false, {}},
                      MenuRow{"BarTrailByte", S("\\textit{ポ}"), true, false, {}},
                      // The removal keeps a nested argument whole and refuses
                      // what is not a command, so the menu follows it.
                      MenuRow{"NestedBraces", "\\textbf{a{b}c}", true, false, {}},
                      MenuRow{"EscapedBrace", "\\{x}", false, false, {}},
                      MenuRow{"EmphasisDots", S("\\.{漢}"), true, false, {}},
                      MenuRow{"BlankBeforeTheBrace", "\\textbf {abc}", true, false, {}},
                      MenuRow{"LineBreak", "\\\\{x}", false, false, {}},
                      MenuRow{"SizeGroup", "{\\Huge abc}", false, true, {}},
                      MenuRow{"GroupWithoutSize", "{abc}", false, false, {}},
                      MenuRow{"TextAfterTheSizeGroup", "{\\Huge abc} def", false, false, {}},
                      MenuRow{"GroupOfTwoWordsWithoutSize", "{abc def}", false, false, {}},
                      MenuRow{"SizeGroupAroundTrailByte", S("{\\Huge マ}"), false, true, {}},
                      MenuRow{"CenterBlock", "\\begin{center}abc\\end{center}", false, false, {false, true, false}},
                      MenuRow{"BeginOnly", "\\begin{center}abc", false, false, {}},
                      MenuRow{"CrossedTexts",
                              "\\end{flushright}\\begin{flushleft}\\begin{flushright}\\end{flushleft}",
                              false,
                              false,
                              {true, false, true}}),
    RowName());

TEST(TextMenu, AlignmentCaptionsFollowThePresentBlocks) {
  const TextMenuState state = InspectSelection("\\begin{center}abc\\end{center}", Encoding::kShiftJis);
  EXPECT_EQ(AlignmentCaption(state, align::kFlushLeft), "左揃え");
  EXPECT_EQ(AlignmentCaption(state, align::kCenter), "中央揃えの解除");
  EXPECT_EQ(AlignmentCaption(state, align::kFlushRight), "右揃え");
  const TextMenuState all = InspectSelection(
      "\\begin{flushleft}\\end{flushleft}\\begin{center}\\end{center}\\begin{flushright}\\end{flushright}",
      Encoding::kShiftJis);
  EXPECT_EQ(AlignmentCaption(all, align::kFlushLeft), "左揃えの解除");
  EXPECT_EQ(AlignmentCaption(all, align::kFlushRight), "右揃えの解除");
}

}  // namespace zumoku::test
