#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "completion/filter.h"
#include "completion/gather.h"
#include "completion/taking.h"
#include "completion/word_lists.h"

namespace zumoku::completion {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Words(const std::vector<Candidate>& list, const std::vector<int>& picked) {
  std::vector<std::string> words;
  for (int i : picked) words.push_back(list[i].word);
  return words;
}

std::vector<std::string> Words(const std::vector<Candidate>& list) {
  std::vector<std::string> words;
  for (const Candidate& candidate : list) words.push_back(candidate.word);
  return words;
}

TEST(Filter, PrefixFirstThenAnywhereCaseIgnored) {
  WordSet set;
  set.labels = {Entry("sec:intro", {}, "はじめに"), Entry("fig:Sec", {}, "図"), Entry("Section2"),
                Entry("tab:x", {}, "実験の結果"), Entry("eq:①", {}, "丸数字")};
  set.labels.push_back(Entry("emoji:😀"));
  set.Finish();
  const auto& list = set.labels;
  const struct {
    const char* name;
    std::string typed;
    Encoding encoding;
    std::vector<std::string> expected;
  } rows[] = {
      {"Everything", "", Encoding::kUtf8, {"emoji:😀", "eq:①", "fig:Sec", "sec:intro", "Section2", "tab:x"}},
      {"PrefixBeforeInside", "sec", Encoding::kUtf8, {"sec:intro", "Section2", "fig:Sec"}},
      {"JapaneseDetail", "結果", Encoding::kUtf8, {"tab:x"}},
      {"ShiftJisLeavesOutWhatItCannotHold", "e", Encoding::kShiftJis, {"eq:①", "fig:Sec", "sec:intro", "Section2"}},
      {"NoMatch", "zz", Encoding::kUtf8, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Words(list, Filter(list, row.typed, row.encoding)), row.expected);
  }
}

TEST(Taking, TextAndCaret) {
  const struct {
    const char* name;
    Candidate candidate;
    CaretContext context;
    bool braceFollows;
    Taken expected;
  } rows[] = {
      {"CommandCaretInFirstArgument",
       Entry("frac", "{}{}"),
       {ContextKind::kCommand, 0, "", false},
       false,
       {"\\frac{", "}{}", false}},
      {"CommandWithout", Entry("alpha"), {ContextKind::kCommand, 0, "", false}, false, {"\\alpha", "", false}},
      {"EnvironmentClosesAndTakesArguments",
       Entry("tabular", "{}"),
       {ContextKind::kEnvironment, 0, "", false},
       false,
       {"tabular}{", "}", false}},
      {"TypingAidBraceIsReplaced",
       Entry("tabular", "{}"),
       {ContextKind::kEnvironment, 0, "", false},
       true,
       {"tabular}{", "}", true}},
      {"EndHasNoArguments",
       Entry("tabular", "{}"),
       {ContextKind::kEnvironment, 0, "", true},
       false,
       {"tabular}", "", false}},
      {"LabelClosed", Entry("fig:a"), {ContextKind::kLabel, 0, "", false}, false, {"fig:a}", "", false}},
      {"CitationLeavesCaretInList",
       Entry("knuth"),
       {ContextKind::kCitation, 0, "", false},
       false,
       {"knuth", "}", false}},
      {"CitationBeforeExistingBrace",
       Entry("knuth"),
       {ContextKind::kCitation, 0, "", false},
       true,
       {"knuth", "", false}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TakenText(row.candidate, row.context, row.braceFollows), row.expected);
  }
}

TEST(WordLists, BuiltInListsParse) {
  const auto commands = BuiltInCommands();
  ASSERT_EQ(commands.size(), 3u);
  const auto has = [&](std::string_view source, const Defined& word) {
    for (const WordList& list : commands) {
      if (list.source != source) continue;
      return std::find(list.words.begin(), list.words.end(), word) != list.words.end();
    }
    return false;
  };
  EXPECT_TRUE(has("LaTeX", {"frac", "{}{}"}));
  EXPECT_TRUE(has("pLaTeX", {"西暦", ""}));
  EXPECT_TRUE(has("jclasses", {"zw", ""}));
  EXPECT_FALSE(has("pLaTeX", {"ltjsetparameter", "{}"}));
}

class Gather : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("zumoku_gather_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
    fs::create_directories(root / "paper" / "fig");
    fs::create_directories(root / "tex");
  }
  void TearDown() override { fs::remove_all(root); }
  void Write(const fs::path& path, const std::string& bytes) { std::ofstream(root / path, std::ios::binary) << bytes; }

  Gathered Run(std::vector<PaperFile> paper) {
    GatherInput input;
    input.paper = std::move(paper);
    input.locate = [this](const std::vector<std::string>& names) {
      asked.insert(asked.end(), names.begin(), names.end());
      std::vector<fs::path> found;
      for (const std::string& name : names) {
        if (fs::exists(root / "tex" / name)) found.push_back(root / "tex" / name);
      }
      return found;
    };
    input.packages = &cache;
    input.installed = &installed;
    return GatherWords(input);
  }

  fs::path root;
  PackageCache cache{{}};
  InstalledNames installed;
  std::vector<std::string> asked;
};

TEST_F(Gather, WordsOfTheWholePaper) {
  // The root in Shift_JIS (図 is 0x907D, whose trail byte is '}'), a chapter in UTF-8.
  Write("paper/main.tex",
        "\\documentclass{jsarticle}\r\n\\usepackage{mypkg}\r\n\\newcommand{\\own}[1]{}\r\n"
        "\\section{\x8F\x98\x98\x5F}\\label{sec:a}\r\n\\bibliography{refs,missing}\r\n");
  Write("paper/chap1.tex", "\\section{実験}\\label{sec:b}\n");
  Write("paper/refs.bib", "@article{sjis, author={\x8E\x52\x93\x63}, year=2020, title={\x98\x5F\x95\xB6}}\n");
  Write("paper/fig/plot.png", "");
  Write("tex/mypkg.sty", "\\RequirePackage{mypkg}\\RequirePackage{dep}\\newcommand{\\pkgcmd}[2]{}");
  Write("tex/dep.sty", "\\newenvironment{depenv}{}{}\\def\\dep@internal{}");
  installed.packages = {"amsmath"};

  const Gathered got = Run({{root / "paper/main.tex", std::nullopt}, {root / "paper/chap1.tex", std::nullopt}});
  const WordSet& words = got.words;
  const auto has = [](const std::vector<Candidate>& list, const std::string& word) {
    return std::any_of(list.begin(), list.end(), [&](const Candidate& c) { return c.word == word; });
  };
  EXPECT_TRUE(has(words.commands, "own"));
  EXPECT_TRUE(has(words.commands, "pkgcmd"));
  EXPECT_TRUE(has(words.commands, "section"));
  EXPECT_TRUE(has(words.environments, "depenv"));
  EXPECT_EQ(Words(words.labels), (std::vector<std::string>{"sec:a", "sec:b"}));
  EXPECT_EQ(words.labels[0].detail, "序論");
  EXPECT_EQ(words.labels[1].source, "chap1.tex:1");
  ASSERT_EQ(words.citations.size(), 1u);
  EXPECT_EQ(words.citations[0].detail, "山田 (2020) 論文");
  EXPECT_EQ(Words(words.texFiles), (std::vector<std::string>{"chap1", "main"}));
  EXPECT_EQ(Words(words.pictures), std::vector<std::string>{"fig/plot.png"});
  EXPECT_EQ(Words(words.packages), std::vector<std::string>{"amsmath"});
  EXPECT_EQ(got.problems, std::vector<std::string>{"missing.bib を読めませんでした"});
  // Each file asked for once: the package that loads itself ends there.
  EXPECT_EQ(std::count(asked.begin(), asked.end(), "mypkg.sty"), 1);
}

TEST_F(Gather, TheOpenDocumentsTextCountsOverItsFile) {
  Write("paper/main.tex", "\\label{saved}");
  const Gathered got = Run({{root / "paper/main.tex", std::string("\\label{unsaved}")}});
  EXPECT_EQ(Words(got.words.labels), std::vector<std::string>{"unsaved"});
}

TEST_F(Gather, CachedDefinitionsUntilTheFileChanges) {
  const fs::path sty = root / "tex/p.sty";
  Write("tex/p.sty", "\\newcommand{\\first}{}");
  const PackageCache kept(root / "cache");
  EXPECT_EQ(kept.Read(sty)->commands, (std::vector<Defined>{{"first", ""}}));
  // A cache entry of another time is not taken.
  const auto stamp = fs::last_write_time(sty);
  Write("tex/p.sty", "\\newcommand{\\second}{}");
  fs::last_write_time(sty, stamp);
  EXPECT_EQ(kept.Read(sty)->commands, (std::vector<Defined>{{"first", ""}}));
  fs::last_write_time(sty, stamp + std::chrono::seconds(5));
  EXPECT_EQ(kept.Read(sty)->commands, (std::vector<Defined>{{"second", ""}}));
  EXPECT_FALSE(kept.Read(root / "tex/none.sty"));
}

TEST(InstalledNames, FromLsR) {
  InstalledNames names;
  AddInstalledNames(
      "% ls-R\n./tex/latex/amsmath:\namsmath.sty\namsmath.dtx\n\n./tex/latex/jsclasses:\n"
      "jsarticle.cls\n/abs/x.sty:\n",
      names);
  EXPECT_EQ(names.packages, std::vector<std::string>{"amsmath"});
  EXPECT_EQ(names.classes, std::vector<std::string>{"jsarticle"});
}

}  // namespace
}  // namespace zumoku::completion
