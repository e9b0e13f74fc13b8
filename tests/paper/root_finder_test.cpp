#include "paper/root_finder.h"

#include <gtest/gtest.h>

#include <map>

#include "memory_files.h"
#include "row_name.h"
#include "sjis_text.h"

namespace zumoku::paper {
namespace {

using test::S;

constexpr const char* kChapter = "/p/ch/chap.tex";
const std::string kClass = "\\documentclass{jsarticle}\n";

struct RootRow {
  const char* name;
  std::string chapter;                        // the open document's text
  std::map<std::string, std::string> others;  // other files
  std::string chosen;
  std::string root;  // expected; empty when refused
  RootSource source = RootSource::kItself;
  std::string error = {};  // a part of the refusal
};

std::string Lines(int count) { return std::string(static_cast<std::size_t>(count), '\n'); }

const RootRow kRootRows[] = {
    {"TexRoot", "% !TeX root = ../main.tex\n", {{"/p/main.tex", kClass}}, "", "/p/main.tex", RootSource::kTexRoot},
    {"TexRootWithoutSpacesOrExtension",
     "%!TEX ROOT=../main\n",
     {{"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kTexRoot},
    {"TexRootPastTheFirstTenLinesIsNoRoot",
     Lines(10) + "% !TEX root = ../main.tex\n",
     {{"/p/main.tex", kClass}},
     "",
     kChapter},
    {"HashBangNamesTheFile",
     "%#!platex ../main.tex\n",
     {{"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kHashBang},
    {"HashBangSkipsOptions",
     "%#!uplatex -kanji=utf8 ../main\n",
     {{"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kHashBang},
    {"HashBangWithoutFileNamesNone", "%#!platex\n", {}, "", kChapter},
    {"TexMasterInTheLastLines",
     "x\n%%% TeX-master: \"../main\"\n",
     {{"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kTexMaster},
    {"TexMasterBeforeTheLastLinesIsNoRoot",
     "%%% TeX-master: \"../main\"\n" + Lines(30),
     {{"/p/main.tex", kClass}},
     "",
     kChapter},
    {"TexMasterT", "%%% TeX-master: t\n", {}, "", kChapter},
    {"SubfilesOption",
     "\\documentclass[../main]{subfiles}\n",
     {{"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kSubfiles},
    {"TexRootBeforeHashBang",
     "%#!platex ../other.tex\n% !TEX root = ../main.tex\n",
     {{"/p/main.tex", kClass}, {"/p/other.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kTexRoot},
    {"CommentBeforeChosen",
     "% !TEX root = ../main.tex\n",
     {{"/p/main.tex", kClass}, {"/p/other.tex", kClass}},
     "/p/other.tex",
     "/p/main.tex",
     RootSource::kTexRoot},
    {"ChosenBeforeOwnClass", kClass, {{"/p/main.tex", kClass}}, "/p/main.tex", "/p/main.tex", RootSource::kChosen},
    {"OwnClassIsItsOwnRoot", kClass, {{"/p/main.tex", kClass + "\\input{ch/chap}"}}, "", kChapter},
    {"IncluderAboveThroughAnotherFile",
     "text",
     {{"/p/main.tex", kClass + "\\input{ch/all}"}, {"/p/ch/all.tex", "\\include{ch/chap}"}},
     "",
     "/p/main.tex",
     RootSource::kIncluder},
    {"IncluderWithoutClassIsNoRoot", "text", {{"/p/ch/all.tex", "\\input{ch/chap}"}}, "", kChapter},
    {"CommentedInputIsNoInclude", "text", {{"/p/main.tex", kClass + "%\\input{ch/chap}"}}, "", kChapter},
    {"CommentedClassIsNone",
     "% " + kClass,
     {{"/p/main.tex", kClass + "\\input{ch/chap}"}},
     "",
     "/p/main.tex",
     RootSource::kIncluder},
    {"SjisSecondByteIsNoBackslash",
     S("表documentclass{x}"),
     {{"/p/main.tex", kClass + "\\input{ch/chap}"}},
     "",
     "/p/main.tex",
     RootSource::kIncluder},
    {"RootsOwnCommentIsFollowed",
     "% !TEX root = mid\n",
     {{"/p/ch/mid.tex", "% !TEX root = ../main.tex\n"}, {"/p/main.tex", kClass}},
     "",
     "/p/main.tex",
     RootSource::kTexRoot},
    {"MissingRootRefused",
     "% !TEX root = ../main.tex\n",
     {},
     "",
     "",
     RootSource::kItself,
     "../main.tex が見つかりません"},
    {"MissingChosenRefused", kClass, {}, "/p/gone.tex", "", RootSource::kItself, "gone.tex"},
    {"LoopRefused",
     "% !TEX root = a.tex\n",
     {{"/p/ch/a.tex", "% !TEX root = b.tex\n"}, {"/p/ch/b.tex", "% !TEX root = a.tex\n"}},
     "",
     "",
     RootSource::kItself,
     "循環しています: chap.tex → a.tex → b.tex → a.tex"},
    {"LoopBackToTheDocumentRefused",
     "% !TEX root = a.tex\n",
     {{"/p/ch/a.tex", "% !TEX root = chap.tex\n"}},
     "",
     "",
     RootSource::kItself,
     "chap.tex → a.tex → chap.tex"},
};

class RootFinder : public ::testing::TestWithParam<RootRow> {};

TEST_P(RootFinder, FindsOrRefuses) {
  const RootRow& row = GetParam();
  test::MemoryFiles files;
  files.files = row.others;
  files.files[kChapter] = row.chapter;
  const Root root = FindRoot(files, {.documentPath = kChapter, .text = row.chapter, .chosen = row.chosen});
  EXPECT_EQ(root.path, row.root);
  EXPECT_EQ(root.source, row.source);
  if (row.error.empty()) {
    EXPECT_EQ(root.error, "");
  } else {
    EXPECT_NE(root.error.find(row.error), std::string::npos) << root.error;
  }
}

INSTANTIATE_TEST_SUITE_P(Rules, RootFinder, ::testing::ValuesIn(kRootRows), test::RowName{});

TEST(RootFinderRefusals, SpecialFileRootIsNeverRead) {
  test::MemoryFiles files;
  files.special.insert("/p/fifo.tex");
  const Root root = FindRoot(files, {.documentPath = kChapter, .text = "% !TEX root = ../fifo\n"});
  EXPECT_EQ(root.path, "");
  EXPECT_NE(root.error.find("fifo.tex は通常のファイルではない"), std::string::npos) << root.error;
}

TEST(RootFinderChoice, SeveralIncludersAreOfferedInOrder) {
  test::MemoryFiles files;
  files.files = {{kChapter, "text"},
                 {"/p/main.tex", kClass + "\\input{ch/chap}"},
                 {"/p/ch/alone.tex", kClass + "\\input{chap}"},
                 {"/p/other.tex", kClass}};
  const Root root = FindRoot(files, {.documentPath = kChapter, .text = "text"});
  EXPECT_EQ(root.path, "");
  EXPECT_EQ(root.candidates, (std::vector<std::string>{"/p/ch/alone.tex", "/p/main.tex"}));
}

struct EncodingRow {
  const char* name;
  std::string root;     // /p/main.tex's bytes
  std::string chapter;  // the open document's, in `encoding`
  Encoding encoding;
  Encoding expected;
  std::string error = {};
};

const EncodingRow kEncodingRows[] = {
    {"SameEncoding", S("日本語"), S("章"), Encoding::kShiftJis, Encoding::kShiftJis},
    {"AsciiChapterTakesTheRoots", "\xEF\xBB\xBF", "chapter", Encoding::kShiftJis, Encoding::kUtf8},
    {"Utf8RootSjisChapterRefused", "日本語", S("章"), Encoding::kShiftJis, Encoding::kShiftJis,
     "親ファイル ../main.tex は UTF-8 で、chap.tex は Shift_JIS です"},
    {"SjisRootUtf8ChapterRefused", S("日本語"), "章", Encoding::kUtf8, Encoding::kShiftJis,
     "親ファイル ../main.tex は Shift_JIS で、chap.tex は UTF-8 です"},
};

class RootEncodings : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(RootEncodings, TheRootsOwnOrRefused) {
  const EncodingRow& row = GetParam();
  test::MemoryFiles files;
  files.files = {{"/p/main.tex", row.root}, {kChapter, row.chapter}};
  const RootEncoding found =
      EncodingOfRoot(files, "/p/main.tex", {.documentPath = kChapter, .text = row.chapter, .encoding = row.encoding});
  if (row.error.empty()) {
    EXPECT_EQ(found.error, "");
    EXPECT_EQ(found.encoding, row.expected);
  } else {
    EXPECT_NE(found.error.find(row.error), std::string::npos) << found.error;
  }
}

INSTANTIATE_TEST_SUITE_P(Encodings, RootEncodings, ::testing::ValuesIn(kEncodingRows), test::RowName{});

}  // namespace
}  // namespace zumoku::paper
