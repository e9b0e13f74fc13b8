#include "markup/alignment.h"

#include <gtest/gtest.h>

#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
const std::string kLeftB = "\\begin{flushleft}", kLeftT = "\\end{flushleft}";
const std::string kCenterB = "\\begin{center}", kCenterT = "\\end{center}";
const std::string kRightB = "\\begin{flushright}", kRightT = "\\end{flushright}";
}  // namespace

struct AlignRow {
  std::string selection;
  align::Environment environment;
  std::string expected;
};

class Alignment : public ::testing::TestWithParam<AlignRow> {};

// The blocks are looked for as the menu's opening does, then the command runs.
TEST_P(Alignment, AddsExchangesOrRemovesKeepingTheRest) {
  SelectedText text(GetParam().selection);
  align::Align(text.buffer, GetParam().environment, align::FindPresentBlocks(GetParam().selection));
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.SelStart(), 1 + static_cast<int>(GetParam().expected.size()));
  EXPECT_EQ(text.buffer.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, Alignment,
    ::testing::Values(
        AlignRow{"abc", align::kFlushLeft, kLeftB + "abc" + kLeftT},
        AlignRow{"", align::kCenter, kCenterB + kCenterT},
        AlignRow{kCenterB + "abc" + kCenterT, align::kCenter, "abc"},
        AlignRow{kCenterB + "abc" + kCenterT, align::kFlushLeft, kLeftB + "abc" + kLeftT},
        AlignRow{kCenterB + "abc" + kCenterT, align::kFlushRight, kRightB + "abc" + kRightT},
        // The line ends inside the block belong to its text and stay.
        AlignRow{kCenterB + "\r\nabc\r\n" + kCenterT, align::kCenter, "\r\nabc\r\n"},
        // Only the begin text: not a block, so a new block is added.
        AlignRow{kCenterB + "abc", align::kCenter, kCenterB + kCenterB + "abc" + kCenterT},
        // Text around the block stays.
        AlignRow{"x" + kCenterB + "abc" + kCenterT + "y", align::kCenter, "xabcy"},
        AlignRow{"x" + kCenterB + "abc" + kCenterT + "y", align::kFlushLeft, "x" + kLeftB + "abc" + kLeftT + "y"},
        // Other environments inside the block are not taken for its end.
        AlignRow{kCenterB + "\\begin{itemize}a\\end{itemize}b" + kCenterT, align::kCenter,
                 "\\begin{itemize}a\\end{itemize}b"},
        // Several blocks: each one's texts are taken off or exchanged.
        AlignRow{kCenterB + "a" + kCenterT + "-" + kCenterB + "b" + kCenterT, align::kCenter, "a-b"},
        AlignRow{kLeftB + "a" + kLeftT + kRightB + "b" + kRightT, align::kCenter,
                 kCenterB + "a" + kCenterT + kCenterB + "b" + kCenterT},
        // Own and another block: exchange wins.
        AlignRow{kCenterB + kLeftB + "a" + kLeftT + kCenterT, align::kCenter,
                 kCenterB + kCenterB + "a" + kCenterT + kCenterT},
        AlignRow{kCenterB + "a" + kCenterT + kLeftB + "b" + kLeftT, align::kFlushLeft,
                 kLeftB + "a" + kLeftT + kLeftB + "b" + kLeftT},
        // Texts that do not pair up as blocks: wrapped whole, nothing lost.
        AlignRow{kCenterT + "abc" + kCenterB, align::kCenter, kCenterB + kCenterT + "abc" + kCenterB + kCenterT},
        AlignRow{kCenterB + kLeftB + "a" + kCenterT + kLeftT, align::kFlushRight,
                 kRightB + kCenterB + kLeftB + "a" + kCenterT + kLeftT + kRightT},
        // Double-byte characters whose second byte is "{", "}" or "\".
        AlignRow{S("\\begin{center}ボマ\\end{center}"), align::kCenter, S("ボマ")},
        AlignRow{S("\\begin{center}xソend{center}"), align::kCenter,
                 S("\\begin{center}\\begin{center}xソend{center}\\end{center}")}));

TEST(Alignment, BlocksArePresentWhenBothTextsStandAnywhere) {
  EXPECT_EQ(align::FindPresentBlocks(kCenterB + "a" + kCenterT), (align::PresentBlocks{false, true, false}));
  EXPECT_EQ(align::FindPresentBlocks(kRightT + "a" + kRightB), (align::PresentBlocks{false, false, true}));
  EXPECT_EQ(align::FindPresentBlocks(kLeftB + kCenterT), (align::PresentBlocks{false, false, false}));
  EXPECT_EQ(align::FindPresentBlocks(S("\\begin{center}xソend{center}")), (align::PresentBlocks{}));
}

}  // namespace zumoku::test
