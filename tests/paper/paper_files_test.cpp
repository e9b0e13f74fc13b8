#include "paper/paper_files.h"

#include <gtest/gtest.h>

#include <map>

#include "memory_files.h"
#include "row_name.h"
#include "sjis_text.h"

namespace zumoku::paper {
namespace {

using test::S;

struct PaperRow {
  const char* name;
  std::map<std::string, std::string> files;  // /p/main.tex is the root
  std::vector<std::string> names;            // in reading order
  std::string problem = {};                  // a part of the one problem expected
};

const PaperRow kPaperRows[] = {
    {"ReadingOrderDepthFirst",
     {{"/p/main.tex", "\\input{a}\\include{c}"},
      {"/p/a.tex", "\\input{sub/b}"},
      {"/p/sub/b.tex", "b"},
      {"/p/c.tex", "c"}},
     {"main.tex", "a.tex", "sub/b.tex", "c.tex"}},
    {"NamesFromTheRootsFolder",
     {{"/p/main.tex", "\\input{sub/a}"}, {"/p/sub/a.tex", "\\input{sub/b}"}, {"/p/sub/b.tex", ""}},
     {"main.tex", "sub/a.tex", "sub/b.tex"}},
    {"InputTriesTexFirstThenTheName",
     {{"/p/main.tex", "\\input{fig.tikz}\\input{x}"}, {"/p/fig.tikz", ""}, {"/p/x.tex", ""}, {"/p/x", ""}},
     {"main.tex", "fig.tikz", "x.tex"}},
    {"IncludeAlwaysAddsTex", {{"/p/main.tex", "\\include{x}"}, {"/p/x", ""}}, {"main.tex"}, "x.tex が見つかりません"},
    {"SubfileAndOptions",
     {{"/p/main.tex", "\\subfile{s} \\input {t}"}, {"/p/s.tex", ""}, {"/p/t.tex", ""}},
     {"main.tex", "s.tex", "t.tex"}},
    {"CommentAndEscapedPercentSkipped",
     {{"/p/main.tex", "% \\input{a}\n100\\% \\input{b}\n"}, {"/p/a.tex", ""}, {"/p/b.tex", ""}},
     {"main.tex", "b.tex"}},
    {"ReadOnceWhereFirstRead",
     {{"/p/main.tex", "\\input{a}\\input{b}\\input{a}"}, {"/p/a.tex", ""}, {"/p/b.tex", ""}},
     {"main.tex", "a.tex", "b.tex"}},
    {"MissingFileNamedRestRead",
     {{"/p/main.tex", "\\input{gone}\\input{b}"}, {"/p/b.tex", ""}},
     {"main.tex", "b.tex"},
     "gone.tex が見つかりません"},
    {"LoopNamedNotFollowed",
     {{"/p/main.tex", "\\input{a}"}, {"/p/a.tex", "\\input{b}"}, {"/p/b.tex", "\\input{a}"}},
     {"main.tex", "a.tex", "b.tex"},
     "main.tex → a.tex → b.tex → a.tex"},
    {"JapaneseNameFromShiftJis",
     {{"/p/main.tex", S("\\input{第1章}")}, {"/p/第1章.tex", ""}},
     {"main.tex", "第1章.tex"}},
    {"SjisSecondByteBraceEndsNoName",
     {{"/p/main.tex", S("\\input{マ表}")}, {"/p/マ表.tex", ""}},
     {"main.tex", "マ表.tex"}},
    {"OtherEncodingNamed",
     {{"/p/main.tex", S("日本語\\input{u}")}, {"/p/u.tex", "日本語"}},
     {"main.tex", "u.tex"},
     "u.tex は UTF-8 で、親ファイル main.tex は Shift_JIS です"},
    {"RootOutsideNothing", {}, {}, "main.tex が見つかりません"},
};

class PaperFiles : public ::testing::TestWithParam<PaperRow> {};

TEST_P(PaperFiles, ReadsInOrderAndNamesProblems) {
  const PaperRow& row = GetParam();
  test::MemoryFiles files;
  files.files = row.files;
  const Paper paper = ReadPaper(files, "/p/main.tex");
  std::vector<std::string> names;
  for (const PaperFile& file : paper.files) names.push_back(file.name);
  EXPECT_EQ(names, row.names);
  if (row.problem.empty()) {
    EXPECT_EQ(paper.problems, std::vector<std::string>{});
  } else {
    ASSERT_EQ(paper.problems.size(), 1u);
    EXPECT_NE(paper.problems[0].find(row.problem), std::string::npos) << paper.problems[0];
  }
}

INSTANTIATE_TEST_SUITE_P(Files, PaperFiles, ::testing::ValuesIn(kPaperRows), test::RowName{});

TEST(PaperRefusals, SpecialAndHugeFilesAreNeverRead) {
  test::MemoryFiles files;
  files.files = {{"/p/main.tex", "\\input{fifo}\\input{big}"}, {"/p/big.tex", "x"}};
  files.special.insert("/p/fifo.tex");
  files.reportedSizes["/p/big.tex"] = 100u << 20;
  files.unreadable.insert("/p/fifo.tex");  // reading it would block
  const Paper paper = ReadPaper(files, "/p/main.tex");
  EXPECT_EQ(paper.files.size(), 1u);
  EXPECT_EQ(paper.problems, (std::vector<std::string>{"fifo.tex は通常のファイルではないため読みません。",
                                                      "big.tex は大きすぎるため読みません (16 MB まで)。"}));
}

TEST(PaperBibliographies, EachNamedOnceWithItsExtension) {
  test::MemoryFiles files;
  files.files = {{"/p/main.tex", "\\bibliography{refs, more}\\input{a}"}, {"/p/a.tex", "\\addbibresource{refs.bib}"}};
  EXPECT_EQ(ReadPaper(files, "/p/main.tex").bibliographies, (std::vector<std::string>{"/p/refs.bib", "/p/more.bib"}));
}

TEST(PaperOpenText, TheEditorsTextStandsForItsFile) {
  test::MemoryFiles files;
  files.files = {{"/p/main.tex", "\\input{a}"}, {"/p/a.tex", "old"}, {"/p/new.tex", ""}};
  const Paper paper = ReadPaper(files, "/p/main.tex", OpenText{.path = "/p/./a.tex", .text = "\\input{new}"});
  ASSERT_EQ(paper.files.size(), 3u);
  EXPECT_EQ(paper.files[1].text, "\\input{new}");
  EXPECT_EQ(paper.files[2].name, "new.tex");
}

}  // namespace
}  // namespace zumoku::paper
