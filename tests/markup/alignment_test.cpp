#include "markup/alignment.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
const std::string kLeftB = "\\begin{flushleft}", kLeftT = "\\end{flushleft}";
const std::string kCenterB = "\\begin{center}", kCenterT = "\\end{center}";
const std::string kRightB = "\\begin{flushright}", kRightT = "\\end{flushright}";
}  // namespace

struct AlignRow {
  const char* name;
  std::string selection;
  align::Environment environment;
  std::string expected;
};

class Alignment : public ::testing::TestWithParam<AlignRow> {};

// The blocks are looked for as the menu's opening does, then the command runs.
TEST_P(Alignment, AddsExchangesOrRemovesKeepingTheRest) {
  SelectedText text(GetParam().selection);
  align::Align(text.buffer, GetParam().environment,
               align::FindPresentBlocks(GetParam().selection, Encoding::kShiftJis));
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.SelStart(), 1 + static_cast<int>(GetParam().expected.size()));
  EXPECT_EQ(text.buffer.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, Alignment,
    ::testing::Values(
        AlignRow{"Added", "abc", align::kFlushLeft, kLeftB + "abc" + kLeftT},
        AlignRow{"AddedAroundNothing", "", align::kCenter, kCenterB + kCenterT},
        AlignRow{"OwnBlockRemoved", kCenterB + "abc" + kCenterT, align::kCenter, "abc"},
        AlignRow{"ExchangedForLeft", kCenterB + "abc" + kCenterT, align::kFlushLeft, kLeftB + "abc" + kLeftT},
        AlignRow{"ExchangedForRight", kCenterB + "abc" + kCenterT, align::kFlushRight, kRightB + "abc" + kRightT},
        // The line ends inside the block belong to its text and stay.
        AlignRow{"LineEndsInsideStay", kCenterB + "\r\nabc\r\n" + kCenterT, align::kCenter, "\r\nabc\r\n"},
        // Only the begin text: not a block, so a new block is added.
        AlignRow{"BeginOnly", kCenterB + "abc", align::kCenter, kCenterB + kCenterB + "abc" + kCenterT},
        // Text around the block stays.
        AlignRow{"TextAroundStaysOnRemoval", "x" + kCenterB + "abc" + kCenterT + "y", align::kCenter, "xabcy"},
        AlignRow{"TextAroundStaysOnExchange", "x" + kCenterB + "abc" + kCenterT + "y", align::kFlushLeft,
                 "x" + kLeftB + "abc" + kLeftT + "y"},
        // Other environments inside the block are not taken for its end.
        AlignRow{"OtherEnvironmentInside", kCenterB + "\\begin{itemize}a\\end{itemize}b" + kCenterT, align::kCenter,
                 "\\begin{itemize}a\\end{itemize}b"},
        // Several blocks: each one's texts are taken off or exchanged.
        AlignRow{"SeveralBlocksRemoved", kCenterB + "a" + kCenterT + "-" + kCenterB + "b" + kCenterT, align::kCenter,
                 "a-b"},
        AlignRow{"SeveralBlocksExchanged", kLeftB + "a" + kLeftT + kRightB + "b" + kRightT, align::kCenter,
                 kCenterB + "a" + kCenterT + kCenterB + "b" + kCenterT},
        // Own and another block: exchange wins.
        AlignRow{"OwnAroundAnotherExchanged", kCenterB + kLeftB + "a" + kLeftT + kCenterT, align::kCenter,
                 kCenterB + kCenterB + "a" + kCenterT + kCenterT},
        AlignRow{"OwnBesideAnotherExchanged", kCenterB + "a" + kCenterT + kLeftB + "b" + kLeftT, align::kFlushLeft,
                 kLeftB + "a" + kLeftT + kLeftB + "b" + kLeftT},
        // Texts that do not pair up as blocks: wrapped whole, nothing lost.
        AlignRow{"EndBeforeBegin", kCenterT + "abc" + kCenterB, align::kCenter,
                 kCenterB + kCenterT + "abc" + kCenterB + kCenterT},
        AlignRow{"CrossedBlocks", kCenterB + kLeftB + "a" + kCenterT + kLeftT, align::kFlushRight,
                 kRightB + kCenterB + kLeftB + "a" + kCenterT + kLeftT + kRightT},
        // Double-byte characters whose second byte is "{", "}" or "\".
        AlignRow{"BraceTrailBytes", S("\\begin{center}ボマ\\end{center}"), align::kCenter, S("ボマ")},
        AlignRow{"BackslashTrailByte", S("\\begin{center}xソend{center}"), align::kCenter,
                 S("\\begin{center}\\begin{center}xソend{center}\\end{center}")}),
    RowName());

TEST(Alignment, BlocksArePresentWhenBothTextsStandAnywhere) {
  EXPECT_EQ(align::FindPresentBlocks(kCenterB + "a" + kCenterT, Encoding::kShiftJis),
            (align::PresentBlocks{false, true, false}));
  EXPECT_EQ(align::FindPresentBlocks(kRightT + "a" + kRightB, Encoding::kShiftJis),
            (align::PresentBlocks{false, false, true}));
  EXPECT_EQ(align::FindPresentBlocks(kLeftB + kCenterT, Encoding::kShiftJis),
            (align::PresentBlocks{false, false, false}));
  EXPECT_EQ(align::FindPresentBlocks(S("\\begin{center}xソend{center}"), Encoding::kShiftJis),
            (align::PresentBlocks{}));
}

}  // namespace zumoku::test
