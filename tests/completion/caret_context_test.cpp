#include "completion/caret_context.h"

#include <gtest/gtest.h>

namespace zumoku::completion {
namespace {

using enum ContextKind;

TEST(CaretContext, FromTheBytesBeforeTheCaret) {
  const struct {
    const char* name;
    std::string before;
    Encoding encoding;
    ContextRules rules;
    CaretContext expected;
  } rows[] = {
      {"CommandAfterTwoLetters", "ab \\se", Encoding::kShiftJis, {}, {kCommand, 3, "se", false}},
      {"OneLetterIsTooFew", "\\s", Encoding::kShiftJis, {}, {}},
      {"LetterCountIsASetting", "\\s", Encoding::kShiftJis, {1, false}, {kCommand, 0, "s", false}},
      {"CtrlSpaceWithoutLetters", "x\\", Encoding::kShiftJis, {2, true}, {kCommand, 1, "", false}},
      {"CtrlSpaceInPlainText", "abc", Encoding::kUtf8, {2, true}, {kCommand, 3, "", false}},
      {"OnlyTheLastLineCounts", "\\cite{a\r\n\\se", Encoding::kShiftJis, {}, {kCommand, 9, "se", false}},
      {"SjisTrailByteIsNoBackslash", "\x83\x5Csec", Encoding::kShiftJis, {}, {}},
      {"SjisTrailBraceIsNoBrace",
       "\\ref{a\x83\x7D"
       "b",
       Encoding::kShiftJis,
       {},
       {kLabel, 5,
        "a\x83\x7D"
        "b",
        false}},
      {"KanjiNameCountsCharacters", "\\\x90\xBC", Encoding::kShiftJis, {1, false}, {kCommand, 0, "\x90\xBC", false}},
      {"KanjiNameIsOneLetter", "\\\x90\xBC", Encoding::kShiftJis, {}, {}},
      {"SameBytesInUtf8AreABackslash", "x\x5Csec", Encoding::kUtf8, {}, {kCommand, 1, "sec", false}},
      {"CommentHidesEverything", "% \\sec", Encoding::kShiftJis, {}, {}},
      {"EscapedPercentIsNoComment", "50\\% \\sec", Encoding::kShiftJis, {}, {kCommand, 5, "sec", false}},
      {"EscapedBackslashEndsNothing", "\\\\sec", Encoding::kShiftJis, {}, {}},
      {"Environment", "\\begin{ite", Encoding::kShiftJis, {}, {kEnvironment, 7, "ite", false}},
      {"EndOffersToClose", "\\end{", Encoding::kShiftJis, {}, {kEnvironment, 5, "", true}},
      {"Label", "see \\ref{fig:", Encoding::kShiftJis, {}, {kLabel, 9, "fig:", false}},
      {"EqrefAndCref", "\\eqref{e", Encoding::kUtf8, {}, {kLabel, 7, "e", false}},
      {"CitationAfterComma", "\\cite{a, b", Encoding::kShiftJis, {}, {kCitation, 9, "b", false}},
      {"CitationWithOptional", "\\citep[p.~3]{kn", Encoding::kShiftJis, {}, {kCitation, 13, "kn", false}},
      {"InsideOptionalArgument", "\\citep[p.", Encoding::kShiftJis, {}, {}},
      {"EscapedBraceOpensNothing", "\\ref\\{x", Encoding::kShiftJis, {}, {}},
      {"ClosedArgumentIsDone", "\\ref{a} b", Encoding::kShiftJis, {}, {}},
      {"NestedGroupIsNotTheArgument", "\\ref{a{b", Encoding::kShiftJis, {}, {}},
      {"StarredCommand", "\\include*{ch", Encoding::kShiftJis, {}, {kTexFile, 10, "ch", false}},
      {"Picture", "\\includegraphics[width=3cm]{fig/", Encoding::kShiftJis, {}, {kPicture, 28, "fig/", false}},
      {"Bibliography", "\\bibliography{refs,ot", Encoding::kShiftJis, {}, {kBibFile, 19, "ot", false}},
      {"Package", "\\usepackage[dvipdfmx]{graphicx,ams", Encoding::kShiftJis, {}, {kPackage, 31, "ams", false}},
      {"Class", "\\documentclass{js", Encoding::kShiftJis, {}, {kClass, 15, "js", false}},
      {"JapaneseBeforeCommand", "\xE8\xA1\xA8\\sec", Encoding::kUtf8, {}, {kCommand, 3, "sec", false}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FindContext(row.before, row.encoding, row.rules), row.expected);
  }
}

TEST(CaretContext, InnermostOpenEnvironment) {
  const struct {
    const char* name;
    std::string before;
    Encoding encoding;
    std::string expected;
  } rows[] = {
      {"None", "text", Encoding::kShiftJis, ""},
      {"Innermost", "\\begin{document}\n\\begin{itemize}\n", Encoding::kShiftJis, "itemize"},
      {"ClosedOnesDrop", "\\begin{a}\\begin{b}\\end{b}", Encoding::kShiftJis, "a"},
      {"UnclosedInnerOneDropsWithItsOuter", "\\begin{a}\\begin{b}\\begin{c}\\end{b}", Encoding::kShiftJis, "a"},
      {"CommentedOut", "\\begin{a}\n%\\begin{b}\n", Encoding::kShiftJis, "a"},
      {"TrailByteIsNoBackslash",
       "\\begin{a}\x83\x5C"
       "begin{b}",
       Encoding::kShiftJis, "a"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(InnermostOpenEnvironment(row.before, row.encoding), row.expected);
  }
}

}  // namespace
}  // namespace zumoku::completion
