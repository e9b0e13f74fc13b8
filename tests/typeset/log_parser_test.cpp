#include <gtest/gtest.h>

#include "row_name.h"
#include "sjis_text.h"
#include "typeset/log_parser.h"
#include "typeset/tool_log_parser.h"

namespace zumoku::typeset {
namespace {

using test::S;
constexpr auto kError = EntryKind::kError;
constexpr auto kWarning = EntryKind::kWarning;
constexpr auto kBadBox = EntryKind::kBadBox;

// The head of every log: the document is the first file opened, a class
// file is open while the preamble loads it.
const std::string kHead =
    "This is e-pTeX, Version 3.141592653-p4.0.0 (sjis.euc)\n"
    "(./doc.tex\npLaTeX2e <2021-11-15>+1\n"
    "(/usr/share/texlive/texmf-dist/tex/platex/jsclasses/jsarticle.cls\n"
    "Document Class: jsarticle 2022/09/13 jsclasses (okumura, texjporg)\n"
    "(/usr/share/texlive/texmf-dist/tex/platex/jsclasses/jslogo.sty))\n";

struct LogCase {
  const char* name;
  std::string body;  // follows kHead
  std::vector<LogEntry> expected;
};

class ParseLogTest : public ::testing::TestWithParam<LogCase> {};

// Each entry's file is the next test's.
TEST_P(ParseLogTest, FindsTheEntries) {
  std::vector<LogEntry> entries = ParseLog(kHead + GetParam().body, "doc.tex").entries;
  for (LogEntry& entry : entries) entry.file.clear();
  EXPECT_EQ(entries, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Log, ParseLogTest,
    ::testing::Values(
        LogCase{"FileLineError",
                "./doc.tex:7: Undefined control sequence.\nl.7 \\foo\n   bar (unbalanced\n\nThe control (help\n\n",
                {{kError, 7, true, "Undefined control sequence."}}},
        LogCase{"ErrorWithJapaneseContextKeepsItsBytes",
                S("./doc.tex:3: LaTeX Error: Environment 表 undefined.\nl.3 \\begin{表}\n\n"),
                {{kError, 3, true, S("LaTeX Error: Environment 表 undefined.")}}},
        LogCase{"ErrorInAnotherFile",
                "(./chap1.tex\n./chap1.tex:2: Missing $ inserted.\n\n)\n",
                {{kError, 2, false, "Missing $ inserted."}}},
        // "\xB8\xED\xA4\xEA" and "\xBE\xCF" are names in EUC-JP, pLaTeX's inner code.
        LogCase{"ErrorNamingTheDocumentInAnotherCode",
                "./\xB8\xED\xA4\xEA.tex:4: Undefined control sequence.\n\n",
                {{kError, 4, true, "Undefined control sequence."}}},
        LogCase{"ErrorNamingAnotherFileInAnotherCode",
                "(./chap1.tex\n./\xBE\xCF.tex:2: Missing $ inserted.\n\n)\n",
                {{kError, 2, false, "Missing $ inserted."}}},
        LogCase{"WindowsPathWithDriveColon",
                "C:\\work\\doc.tex:12: Extra }, or forgotten $.\n\n",
                {{kError, 12, false, "Extra }, or forgotten $."}}},
        LogCase{"BangErrorTakesTheContextLine",
                "! Emergency stop.\n<*> doc.tex\n   \nl.9 \\end{documen}\n\n",
                {{kError, 9, true, "Emergency stop."}}},
        LogCase{"LatexWarningWithInputLine",
                "\nLaTeX Warning: Reference `s' on page 1 undefined on input line 4.\n\n",
                {{kWarning, 4, true, "LaTeX Warning: Reference `s' on page 1 undefined on input line 4."}}},
        LogCase{"WarningWithoutLine",
                "\nLaTeX Warning: There were undefined references.\n\n",
                {{kWarning, 0, false, "LaTeX Warning: There were undefined references."}}},
        LogCase{"PackageWarningJoinsItsContinuation",
                "Package amsmath Warning: Foreign command \\over;\n(amsmath)                \\frac or \\genfrac "
                "should be used instead\n(amsmath)                 on input line 11.\n\n",
                {{kWarning, 11, true,
                  "Package amsmath Warning: Foreign command \\over; \\frac or \\genfrac should be used instead on "
                  "input line 11."}}},
        LogCase{"FontWarningInsideAPackageIsNotTheDocuments",
                "(/usr/share/texlive/texmf-dist/tex/latex/base/ulem.sty\nLaTeX Font Warning: Font shape `x' "
                "undefined\n(Font)              using `y' instead on input line 40.\n)\n",
                {{kWarning, 40, false,
                  "LaTeX Font Warning: Font shape `x' undefined using `y' instead on input line 40."}}},
        LogCase{"OverfullBoxInParagraph",
                "Overfull \\hbox (15.0pt too wide) in paragraph at lines 5--6\n[]\\JY1/mc/m/n/10 (text\n\n",
                {{kBadBox, 5, true, "Overfull \\hbox (15.0pt too wide) in paragraph at lines 5--6"}}},
        LogCase{"UnderfullBoxDetectedAtLine",
                "Underfull \\hbox (badness 10000) detected at line 8\n []\n\n",
                {{kBadBox, 8, true, "Underfull \\hbox (badness 10000) detected at line 8"}}},
        LogCase{"OverfullVboxInOutputHasNoLine",
                "Overfull \\vbox (3.0pt too high) has occurred while \\output is active []\n\n",
                {{kBadBox, 0, false, "Overfull \\vbox (3.0pt too high) has occurred while \\output is active []"}}},
        LogCase{"ParenthesisQuotedInAnErrorClosesNoFile",
                "./doc.tex:7: Undefined control sequence.\nl.7 \\foo)\n\n"
                "LaTeX Warning: Reference `s' on page 1 undefined on input line 9.\n",
                {{kError, 7, true, "Undefined control sequence."},
                 {kWarning, 9, true, "LaTeX Warning: Reference `s' on page 1 undefined on input line 9."}}},
        LogCase{"ParenthesisOnALaterContextLineClosesNoFile",
                "./doc.tex:7: Undefined control sequence.\nl.7 \\foo\n   bar)\n\n"
                "LaTeX Warning: Reference `s' on page 1 undefined on input line 9.\n",
                {{kError, 7, true, "Undefined control sequence."},
                 {kWarning, 9, true, "LaTeX Warning: Reference `s' on page 1 undefined on input line 9."}}},
        LogCase{"TextOpenedInParenthesesStaysInTheDocument",
                "(note\nLaTeX Warning: Reference `s' on page 1 undefined on input line 4.\n",
                {{kWarning, 4, true, "LaTeX Warning: Reference `s' on page 1 undefined on input line 4."}}},
        LogCase{"ClockTimeIsNoFileLine", "Written at 12:30:45 by a package\n", {}},
        LogCase{"InfoLinesAreNoEntries",
                "LaTeX Font Info:    Checking defaults for OML/cmm/m/it on input line 2.\n"
                "(Font)              scaled to size 13.8pt on input line 3.\n[1\n\n] (./doc.aux) )\n",
                {}}),
    test::RowName());

// Each entry keeps the file it stands in, as the log names it from the
// folder of the run, for files in subfolders and with Japanese names.
TEST(ParseLog, EachEntryKeepsItsFile) {
  const struct {
    std::string body;
    std::string file;
  } rows[] = {
      {"./doc.tex:7: Undefined control sequence.\n\n", "doc.tex"},
      {"(./sub/chap2.tex\n./sub/chap2.tex:4: Undefined control sequence.\n\n)\n", "sub/chap2.tex"},
      {"(./sub/chap2.tex\n! Emergency stop.\nl.4 x\n\n)\n", "sub/chap2.tex"},
      {"(./sub/chap2.tex (./a.tex) [1]\nLaTeX Warning: Citation `x' undefined on input line 3.\n\n)\n",
       "sub/chap2.tex"},
      // Shift_JIS 第1章 as the open file names it, then EUC-JP in the error line.
      {"(./\x91\xE6\x31\x8F\xCD.tex\n./\xC2\xE8\x31\xBE\xCF.tex:2: Missing $ inserted.\n\n)\n",
       "\x91\xE6\x31\x8F\xCD.tex"},
      // The same name in UTF-8.
      {"(./\xE7\xAC\xAC"
       "1\xE7\xAB\xA0.tex\n./\xC2\xE8\x31\xBE\xCF.tex:2: Missing $ inserted.\n\n)\n",
       "\xE7\xAC\xAC"
       "1\xE7\xAB\xA0.tex"},
  };
  for (const auto& row : rows) {
    const std::vector<LogEntry> entries = ParseLog(kHead + row.body, "doc.tex").entries;
    ASSERT_EQ(entries.size(), 1u) << row.body;
    EXPECT_EQ(entries[0].file, row.file) << row.body;
  }
}

TEST(ParseLog, AWarningAfterAnInputFileClosedIsTheDocumentsAgain) {
  const auto entries =
      ParseLog(kHead + "(./chap1.tex)\n\nLaTeX Warning: Citation `k' undefined on input line 20.\n", "doc.tex").entries;
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].inDocument);
}

struct RerunCase {
  const char* name;
  std::string line;
  bool rerun;
};

class RerunTest : public ::testing::TestWithParam<RerunCase> {};

TEST_P(RerunTest, DetectsTheRequest) {
  EXPECT_EQ(ParseLog(kHead + GetParam().line + "\n", "doc.tex").rerunRequested, GetParam().rerun);
}

INSTANTIATE_TEST_SUITE_P(
    Log, RerunTest,
    ::testing::Values(
        RerunCase{"LabelsChanged", "LaTeX Warning: Label(s) may have changed. Rerun to get cross-references right.",
                  true},
        RerunCase{"HyperrefOutlines", "(rerunfilecheck)                Rerun to get outlines right", true},
        RerunCase{"LongtableWidths", "Package longtable Warning: Table widths have changed. Rerun LaTeX.", true},
        RerunCase{"UndefinedReferencesAlone", "LaTeX Warning: There were undefined references.", false}),
    test::RowName());

struct ToolLogCase {
  const char* name;
  LogSummary (*parse)(std::string_view);
  std::string log;
  std::vector<LogEntry> expected;
};

class ToolLogTest : public ::testing::TestWithParam<ToolLogCase> {};

TEST_P(ToolLogTest, FindsTheEntriesWithTheirFiles) {
  EXPECT_EQ(GetParam().parse(GetParam().log).entries, GetParam().expected);
}

// "\xE8\xAB\x96\xE6\x96\x87" is 論文 in UTF-8, as mendex -U writes it.
INSTANTIATE_TEST_SUITE_P(
    Log, ToolLogTest,
    ::testing::Values(
        ToolLogCase{"MendexWordWithoutReading",
                    ParseIndexLog,
                    "Scanning input file m.idx.\nError: \xE8\xAB\x96\xE6\x96\x87 is no entry in dictionary file in "
                    "m.idx, line 1....done (0 entries accepted, 1 rejected).\n1 errors, written in m.ilg.\n",
                    {{kError, 1, false, "\xE8\xAB\x96\xE6\x96\x87 is no entry in dictionary file", "m.idx"}}},
        ToolLogCase{"MendexWarningWithoutPlace",
                    ParseIndexLog,
                    "Warning: no style file.\n",
                    {{kWarning, 0, false, "no style file.", ""}}},
        ToolLogCase{"BibtexErrorInTheDatabase",
                    ParseBibtexLog,
                    "Database file #1: refs.bib\nIllegal end of database file---line 1 of file refs.bib\n : @book{k,\n"
                    "I'm skipping whatever remains of this entry\n",
                    {{kError, 1, false, "Illegal end of database file", "refs.bib"}}},
        ToolLogCase{"BibtexPlaceBelowTheError",
                    ParseBibtexLog,
                    "I couldn't open database file refs.bib\n---line 3 of file m.aux\n",
                    {{kError, 3, false, "I couldn't open database file refs.bib", "m.aux"}}},
        ToolLogCase{"BibtexErrorWhileReading",
                    ParseBibtexLog,
                    "I found no \\bibdata command---while reading file m.aux\n",
                    {{kError, 0, false, "I found no \\bibdata command", "m.aux"}}},
        ToolLogCase{"BibtexWarningWithItsPlaceBelow",
                    ParseBibtexLog,
                    "Warning--I'm ignoring k's extra \"year\" field\n--line 5 of file refs.bib\n",
                    {{kWarning, 5, false, "I'm ignoring k's extra \"year\" field", "refs.bib"}}},
        ToolLogCase{"BibtexWarningAlone",
                    ParseBibtexLog,
                    "Warning--I didn't find a database entry for \"x\"\n(There was 1 warning)\n",
                    {{kWarning, 0, false, "I didn't find a database entry for \"x\"", ""}}}),
    test::RowName());

}  // namespace
}  // namespace zumoku::typeset
