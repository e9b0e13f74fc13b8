#include "markup/inline_inserts.h"

#include <gtest/gtest.h>
#include <functional>

#include "row_name.h"
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

INSTANTIATE_TEST_SUITE_P(Logos, InlineInsert,
                         ::testing::Values(InsertRow{"TeX", Replace(insert::kTeX), "abc", "\\TeX "},
                                           InsertRow{"LaTeX", Replace(insert::kLaTeX), "", "\\LaTeX "},
                                           InsertRow{"LaTeXe", Replace(insert::kLaTeXe), "x", "\\LaTeXe "}),
                         RowName());

INSTANTIATE_TEST_SUITE_P(
    Wrappers, InlineInsert,
    ::testing::Values(InsertRow{"Quotes", WrapIn(insert::kQuotes), "abc", "``abc''"},
                      InsertRow{"Footnote", WrapIn(insert::kFootnote), "", "\\footnote{} "},
                      InsertRow{"Marginpar", WrapIn(insert::kMarginpar), "a", "\\marginpar{a}"},
                      InsertRow{"ReverseMarginpar", WrapIn(insert::kReverseMarginpar), "a", "\\reversemarginpar{a}"},
                      InsertRow{"Section", WrapIn(insert::kSection), "Intro", "\\section{Intro}"},
                      InsertRow{"Subsection", WrapIn(insert::kSubsection), "Intro", "\\subsection{Intro}"},
                      InsertRow{"BothMargins", kBothMargins, "abc", S("\\marginpar[左：abc]{右：abc}")}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Verbatim, InlineInsert,
    ::testing::Values(
        InsertRow{"Verb", Verb(insert::kVerb), "ab", "\\verb|ab|"},
        InsertRow{"VerbEmpty", Verb(insert::kVerb), "", "\\verb||"},
        InsertRow{"VerbBar", Verb(insert::kVerb), "a|b", "a|b", true},
        // ポ's second byte is 0x7C: refused as well.
        InsertRow{"VerbBarTrailByte", Verb(insert::kVerb), S("ポ"), S("ポ"), true},
        InsertRow{"VerbBraceTrailBytes", Verb(insert::kVerb), S("ボマ"), S("\\verb|ボマ|")},
        InsertRow{"VerbStar", Verb(insert::kVerbStar), "a b", "\\verb*|a b|"},
        InsertRow{"VerbStarBarTrailByte", Verb(insert::kVerbStar), S("ポ"), S("ポ"), true},
        InsertRow{"BlockEmpty", Block(insert::kVerbatim), "", "\\begin{verbatim}\r\n\r\n\\end{verbatim}\r\n"},
        InsertRow{"Block", Block(insert::kVerbatim), "a\r\nb", "\\begin{verbatim}\r\na\r\nb\r\n\\end{verbatim}\r\n"},
        InsertRow{"BlockLineEnd", Block(insert::kVerbatim), "a\r\n",
                  "\\begin{verbatim}\r\na\r\n\r\n\\end{verbatim}\r\n"},
        InsertRow{"StarBlock", Block(insert::kVerbatimStar), "a", "\\begin{verbatim*}\r\na\r\n\\end{verbatim*}\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(EmphasisDots, InlineInsert,
                         ::testing::Values(InsertRow{"ThreeKanji", kDots, S("漢字例"), S("\\.{漢}\\.{字}\\.{例}")},
                                           InsertRow{"SingleByteLast", kDots, S("漢字a"), S("\\.{漢}\\.{字}a")},
                                           InsertRow{"SingleByteFirst", kDots, S("a漢"), S("a\\.{漢}")},
                                           InsertRow{"LineEnd", kDots, S("漢\r\nボ"), S("\\.{漢}\r\n\\.{ボ}")},
                                           InsertRow{"HalfWidthKana", kDots, S("ｱ字"), S("ｱ\\.{字}")},
                                           // Full-width punctuation is double-byte too (lead byte 0x81).
                                           InsertRow{"Punctuation", kDots, S("漢、「字」。"),
                                                     S("\\.{漢}\\.{、}\\.{「}\\.{字}\\.{」}\\.{。}")},
                                           InsertRow{"SingleBytesOnly", kDots, "ab", "ab"},
                                           InsertRow{"Empty", kDots, "", ""}),
                         RowName());

}  // namespace zumoku::test
