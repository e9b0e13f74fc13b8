#include "markup/inline_inserts.h"

#include <functional>
#include <gtest/gtest.h>

#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

using Command = std::function<void(EditBuffer&)>;

struct InsertRow {
  const char* name;
  Command command;
  std::string selection, expected;
  bool refused = false;  // the command leaves the text untouched
};

void PrintTo(const InsertRow& row, std::ostream* out) { *out << row.name; }

Command Replace(std::string_view text) {
  return [text](EditBuffer& buffer) { buffer.SetSelText(text); };
}
Command WrapIn(const Wrapper& wrapper) {
  return [wrapper](EditBuffer& buffer) { Wrap(buffer, wrapper); };
}
Command Verb(std::string_view opening) {
  return [opening](EditBuffer& buffer) { insert::InlineVerbatim(buffer, opening); };
}
Command Block(std::string_view environment) {
  return [environment](EditBuffer& buffer) { insert::VerbatimBlock(buffer, environment); };
}
const Command kDots = insert::EmphasisDots;
const Command kBothMargins = insert::MarginNoteBothSides;

class InlineInsert : public ::testing::TestWithParam<InsertRow> {};

TEST_P(InlineInsert, WritesItsTextInPlaceOfTheSelection) {
  SelectedText text(GetParam().selection);
  GetParam().command(text.buffer);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.Modified(), !GetParam().refused);
  if (!GetParam().refused) {
    EXPECT_EQ(text.buffer.SelStart(), 1 + static_cast<int>(GetParam().expected.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Logos, InlineInsert,
    ::testing::Values(InsertRow{"TeX", Replace(insert::kTeX), "abc", "\\TeX "},
                      InsertRow{"LaTeX", Replace(insert::kLaTeX), "", "\\LaTeX "},
                      InsertRow{"LaTeXe", Replace(insert::kLaTeXe), "x", "\\LaTeXe "}));

INSTANTIATE_TEST_SUITE_P(
    Wrappers, InlineInsert,
    ::testing::Values(InsertRow{"quotes", WrapIn(insert::kQuotes), "abc", "``abc''"},
                      InsertRow{"footnote", WrapIn(insert::kFootnote), "", "\\footnote{} "},
                      InsertRow{"marginpar", WrapIn(insert::kMarginpar), "a", "\\marginpar{a}"},
                      InsertRow{"reversemarginpar", WrapIn(insert::kReverseMarginpar), "a",
                                "\\reversemarginpar{a}"},
                      InsertRow{"section", WrapIn(insert::kSection), "Intro", "\\section{Intro}"},
                      InsertRow{"subsection", WrapIn(insert::kSubsection), "Intro", "\\subsection{Intro}"},
                      InsertRow{"both margins", kBothMargins, "abc", S("\\marginpar[左：abc]{右：abc}")}));

INSTANTIATE_TEST_SUITE_P(
    Verbatim, InlineInsert,
    ::testing::Values(InsertRow{"verb", Verb(insert::kVerb), "ab", "\\verb|ab|"},
                      InsertRow{"verb empty", Verb(insert::kVerb), "", "\\verb||"},
                      InsertRow{"verb bar", Verb(insert::kVerb), "a|b", "a|b", true},
                      // ポ's second byte is 0x7C: refused as well.
                      InsertRow{"verb po", Verb(insert::kVerb), S("ポ"), S("ポ"), true},
                      InsertRow{"verb bo ma", Verb(insert::kVerb), S("ボマ"), S("\\verb|ボマ|")},
                      InsertRow{"verb star", Verb(insert::kVerbStar), "a b", "\\verb*|a b|"},
                      InsertRow{"verb star po", Verb(insert::kVerbStar), S("ポ"), S("ポ"), true},
                      InsertRow{"block empty", Block(insert::kVerbatim), "",
                                "\\begin{verbatim}\r\n\r\n\\end{verbatim}\r\n"},
                      InsertRow{"block", Block(insert::kVerbatim), "a\r\nb",
                                "\\begin{verbatim}\r\na\r\nb\r\n\\end{verbatim}\r\n"},
                      InsertRow{"block line end", Block(insert::kVerbatim), "a\r\n",
                                "\\begin{verbatim}\r\na\r\n\r\n\\end{verbatim}\r\n"},
                      InsertRow{"star block", Block(insert::kVerbatimStar), "a",
                                "\\begin{verbatim*}\r\na\r\n\\end{verbatim*}\r\n"}));

INSTANTIATE_TEST_SUITE_P(
    EmphasisDots, InlineInsert,
    ::testing::Values(InsertRow{"three", kDots, S("漢字例"), S("\\.{漢}\\.{字}\\.{例}")},
                      InsertRow{"odd", kDots, S("漢字a"), S("\\.{漢}\\.{字}a")},
                      InsertRow{"single first", kDots, S("a漢"), S("a\\.{漢}")},
                      InsertRow{"line end", kDots, S("漢\r\nボ"), S("\\.{漢}\r\n\\.{ボ}")},
                      InsertRow{"half-width kana", kDots, S("ｱ字"), S("ｱ\\.{字}")},
                      // Full-width punctuation is double-byte too (lead byte 0x81).
                      InsertRow{"punctuation", kDots, S("漢、「字」。"), S("\\.{漢}\\.{、}\\.{「}\\.{字}\\.{」}\\.{。}")},
                      InsertRow{"ascii", kDots, "ab", "ab"}, InsertRow{"empty", kDots, "", ""}));

}  // namespace zumoku::test
