#include <gtest/gtest.h>

#include "row_name.h"
#include "typeset/toolchain.h"

namespace zumoku::typeset {
namespace {

struct ChoiceCase {
  const char* name;
  std::string text;  // the document's bytes
  Encoding encoding;
  Engine engine;
};

class EngineChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(EngineChoice, FollowsTheDocumentsWords) {
  EXPECT_EQ(ChooseToolchain(GetParam().text, GetParam().encoding), (Toolchain{GetParam().engine, GetParam().encoding}));
}

std::string Repeated(std::string_view text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

constexpr auto kSjis = Encoding::kShiftJis;
constexpr auto kUtf8 = Encoding::kUtf8;
constexpr auto kPlatex = Engine::kPlatex;
constexpr auto kUplatex = Engine::kUplatex;

// "\x95\x5C" is the Shift_JIS 表, whose trail byte is a backslash.
INSTANTIATE_TEST_SUITE_P(
    Toolchain, EngineChoice,
    ::testing::Values(
        ChoiceCase{"ShiftJisPlatex", "\\documentclass{jsarticle}\r\n", kSjis, kPlatex},
        ChoiceCase{"Utf8Platex", "\\documentclass[a4paper]{jsarticle}\r\n", kUtf8, kPlatex},
        ChoiceCase{"NoClass", "\\section{a}\r\n", kUtf8, kPlatex},
        ChoiceCase{"Ujarticle", "\\documentclass[a4paper,11pt]{ujarticle}\r\n", kUtf8, kUplatex},
        ChoiceCase{"UjbookAcrossLines", "\\documentclass\n  [dvipdfmx]\n  { ujbook }\n", kUtf8, kUplatex},
        ChoiceCase{"VerticalUtbook", "\\documentclass{utbook}\r\n", kUtf8, kUplatex},
        ChoiceCase{"UplatexOption", "\\documentclass[dvipdfmx,\r\n uplatex]{jsarticle}\r\n", kUtf8, kUplatex},
        ChoiceCase{"CommentedOutClass", "% \\documentclass{ujreport}\r\n\\documentclass{jsarticle}\r\n", kUtf8,
                   kPlatex},
        ChoiceCase{"ClassAfterBeginDocument", "\\begin{document}\r\n\\documentclass{ujarticle}\r\n", kUtf8, kPlatex},
        ChoiceCase{"MagicComment", "%#!uplatex -kanji=utf8\r\n\\documentclass{jsarticle}\r\n", kUtf8, kUplatex},
        ChoiceCase{"MagicCommentAfterByteOrderMark", "\xEF\xBB\xBF%#!uplatex\n\\documentclass{jsarticle}\n", kUtf8,
                   kUplatex},
        ChoiceCase{"MagicCommentKeepsPlatex", "%#!platex -kanji=utf8\r\n\\documentclass{ujarticle}\r\n", kUtf8,
                   kPlatex},
        ChoiceCase{"MagicCommentOfAnotherProgram", "%#!lualatex\r\n\\documentclass{utarticle}\r\n", kUtf8, kUplatex},
        ChoiceCase{"MagicCommentTooLow",
                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n%#!uplatex\r\n\\documentclass{jsarticle}\r\n", kUtf8,
                   kPlatex},
        ChoiceCase{"MagicCommentAfterALoneCr", "\\relax\r%#!uplatex\r\\documentclass{jsarticle}\r", kUtf8, kUplatex},
        ChoiceCase{"ClassAfterACommentEndedByALoneCr", "% a\r\\documentclass{ujarticle}\r", kUtf8, kUplatex},
        ChoiceCase{"ClassOptionsPastTheirBound",
                   "\\documentclass[\n" + Repeated("draft,\n", 100) + "uplatex]{ujarticle}\n", kUtf8, kPlatex},
        ChoiceCase{"TrailByteEscapesNoPercent", "\x95\x5C%\\documentclass{ujarticle}\r\n", kSjis, kPlatex},
        ChoiceCase{"TrailByteStartsNoCommand",
                   "\x95\x5C"
                   "documentclass{ujarticle}\r\n",
                   kSjis, kPlatex}),
    test::RowName());

}  // namespace
}  // namespace zumoku::typeset
