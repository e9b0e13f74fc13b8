#include <gtest/gtest.h>

#include "row_name.h"
#include "typeset/run_plan.h"

namespace zumoku::typeset {
namespace {

using Files = std::map<std::string, std::string>;

FileReader ReaderOf(const Files& folder) {
  return [&folder](const std::string& name) -> std::optional<std::string> {
    const auto found = folder.find(name);
    return found == folder.end() ? std::nullopt : std::optional<std::string>(found->second);
  };
}

const Files kNoFiles;

RunPlan Plan(const char* texFile, bool embedFonts = true) {
  return RunPlan(texFile, Toolchain{}, embedFonts, ReaderOf(kNoFiles));
}

LogSummary Clean() { return {}; }
LogSummary AskingRerun() { return {{}, true}; }
LogSummary WithError() { return {{{EntryKind::kError, 3, true, "Undefined control sequence."}}, false}; }

const std::string kCitation = "\\relax \n\\citation{knuth}\n\\bibstyle{jplain}\n\\bibdata{refs}\n";
const std::string kCitationNumbered = kCitation + "\\bibcite{knuth}{1}\n";

// What each tool writes into the document's folder; the nth platex run
// writes platexWrites[n - 1], the last entry again when there are fewer.
struct Scenario {
  const char* name;
  Files before;
  std::vector<Files> platexWrites;
  Files pbibtexWrites;
  Files mendexWrites;
  std::vector<std::string> programs;  // expected, in order
};

// Drives the plan as the runner does, every tool ending well.
class Simulation {
 public:
  explicit Simulation(const Scenario& scenario)
      : scenario_(scenario), folder_(scenario.before), plan_("doc.tex", Toolchain{}, false, ReaderOf(folder_)) {}

  std::vector<std::string> Run(const std::function<void(const RunPlan&)>& eachStep = {}) {
    std::vector<std::string> programs;
    while (Running() && programs.size() < 20) {
      if (eachStep) eachStep(plan_);
      const std::string program = plan_.Current().program;
      programs.push_back(program);
      if (program == "platex") {
        const auto& writes = scenario_.platexWrites;
        Write(writes[std::min<size_t>(plan_.LatexRuns(), writes.size()) - 1]);
        plan_.LatexFinished(0, Clean());
      } else {
        Write(program == "pbibtex" ? scenario_.pbibtexWrites : program == "mendex" ? scenario_.mendexWrites : Files{});
        plan_.ToolFinished(0);
      }
    }
    return programs;
  }
  const RunPlan& Plan() const { return plan_; }

 private:
  bool Running() const { return plan_.CurrentStage() != Stage::kSucceeded && plan_.CurrentStage() != Stage::kFailed; }
  void Write(const Files& files) {
    for (const auto& [name, text] : files) folder_[name] = text;
  }

  const Scenario& scenario_;
  Files folder_;
  RunPlan plan_;
};

class RunSequence : public ::testing::TestWithParam<Scenario> {};

TEST_P(RunSequence, RunsTheToolsInOrder) { EXPECT_EQ(Simulation(GetParam()).Run(), GetParam().programs); }

const std::vector<std::string> kOnce = {"platex", "dvipdfmx"};
const std::vector<std::string> kTwice = {"platex", "platex", "dvipdfmx"};

INSTANTIATE_TEST_SUITE_P(
    Plan, RunSequence,
    ::testing::Values(
        Scenario{"AuxAsBeforeNeedsOneRun", {{"doc.aux", "A"}}, {{{"doc.aux", "A"}}}, {}, {}, kOnce},
        Scenario{"FirstAuxNeedsASecondRun", {}, {{{"doc.aux", "A"}}}, {}, {}, kTwice},
        Scenario{"EmptyTableOfContentsIsNoChange", {}, {{{"doc.toc", ""}}}, {}, {}, kOnce},
        Scenario{"IncludedAuxChanged",
                 {{"doc.aux", "\\@input{ch1.aux}\n"}, {"ch1.aux", "old"}},
                 {{{"ch1.aux", "new"}}},
                 {},
                 {},
                 kTwice},
        Scenario{"NeverSettlingStopsAtFiveRuns",
                 {},
                 {{{"doc.aux", "1"}}, {{"doc.aux", "2"}}, {{"doc.aux", "3"}}, {{"doc.aux", "4"}}, {{"doc.aux", "5"}}},
                 {},
                 {},
                 {"platex", "platex", "platex", "platex", "platex", "dvipdfmx"}},
        Scenario{"BibliographyTakesPbibtexAndTwoMoreRuns",
                 {},
                 {{{"doc.aux", kCitation}}, {{"doc.aux", kCitationNumbered}}},
                 {{"doc.bbl", "B"}},
                 {},
                 {"platex", "pbibtex", "platex", "platex", "dvipdfmx"}},
        Scenario{"CitationWithoutDatabaseRunsNoPbibtex", {}, {{{"doc.aux", "\\citation{knuth}\n"}}}, {}, {}, kTwice},
        Scenario{"UnchangedBibliographyNeedsNoRerun",
                 {{"doc.aux", kCitationNumbered}, {"doc.bbl", "B"}},
                 {{{"doc.aux", kCitationNumbered}}},
                 {{"doc.bbl", "B"}},
                 {},
                 {"platex", "pbibtex", "dvipdfmx"}},
        Scenario{"CitationFoundLaterAsksPbibtexAgain",
                 {},
                 {{{"doc.aux", kCitation}}, {{"doc.aux", kCitation + "\\citation{lamport}\n"}}},
                 {{"doc.bbl", "B"}},
                 {},
                 {"platex", "pbibtex", "platex", "pbibtex", "platex", "dvipdfmx"}},
        Scenario{"IndexTakesMendexAndARun",
                 {{"doc.aux", "A"}},
                 {{{"doc.aux", "A"}, {"doc.idx", "I"}}},
                 {},
                 {{"doc.ind", "N"}},
                 {"platex", "mendex", "platex", "dvipdfmx"}},
        Scenario{"EmptyIndexIsLeftAlone", {{"doc.aux", "A"}}, {{{"doc.aux", "A"}, {"doc.idx", ""}}}, {}, {}, kOnce},
        Scenario{"BibliographyAndIndex",
                 {},
                 {{{"doc.aux", kCitation}, {"doc.idx", "I"}}, {{"doc.aux", kCitationNumbered}, {"doc.idx", "I"}}},
                 {{"doc.bbl", "B"}},
                 {{"doc.ind", "N"}},
                 {"platex", "pbibtex", "mendex", "platex", "platex", "dvipdfmx"}}),
    test::RowName());

class ReadBackFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadBackFile, ChangedAsksForAnotherRunAndIsNamed) {
  const std::string name = std::string("doc") + GetParam();
  const Scenario scenario{"", {{name, "old"}}, {{{name, "new"}}}, {}, {}, {}};
  Simulation simulation(scenario);
  std::vector<std::string> causes;
  EXPECT_EQ(simulation.Run([&](const RunPlan& plan) { causes.push_back(plan.RerunCause()); }), kTwice);
  EXPECT_EQ(causes, (std::vector<std::string>{"", name, ""}));
}

INSTANTIATE_TEST_SUITE_P(Plan, ReadBackFile, ::testing::Values(".aux", ".toc", ".lof", ".lot", ".out"),
                         test::RowName());

struct ToolsCase {
  const char* name;
  Toolchain tools;
  std::vector<Command> commands;  // LaTeX, BibTeX, mendex
};

class ToolsOfTheEngine : public ::testing::TestWithParam<ToolsCase> {};

// A name that starts like an option is passed as a path.
TEST_P(ToolsOfTheEngine, RunEachInTheDocumentsCode) {
  const Files folder = {{"-draft.aux", kCitation}, {"-draft.idx", "I"}};
  RunPlan plan("-draft.tex", GetParam().tools, false, ReaderOf(folder));
  std::vector<Command> commands = {plan.Current()};
  plan.LatexFinished(0, Clean());
  commands.push_back(plan.Current());
  plan.ToolFinished(0);
  commands.push_back(plan.Current());
  EXPECT_EQ(commands, GetParam().commands);
}

Command Latex(const char* program, const char* kanji) {
  return {program, {kanji, "-interaction=nonstopmode", "-file-line-error", "-synctex=1", "./-draft.tex"}};
}

INSTANTIATE_TEST_SUITE_P(Plan, ToolsOfTheEngine,
                         ::testing::Values(ToolsCase{"ShiftJisPlatex",
                                                     {Engine::kPlatex, Encoding::kShiftJis},
                                                     {Latex("platex", "-kanji=sjis"),
                                                      {"pbibtex", {"-kanji=sjis", "./-draft"}},
                                                      {"mendex", {"-S", "./-draft.idx"}}}},
                                           ToolsCase{"Utf8Platex",
                                                     {Engine::kPlatex, Encoding::kUtf8},
                                                     {Latex("platex", "-kanji=utf8"),
                                                      {"pbibtex", {"-kanji=utf8", "./-draft"}},
                                                      {"mendex", {"-U", "./-draft.idx"}}}},
                                           ToolsCase{"Utf8Uplatex",
                                                     {Engine::kUplatex, Encoding::kUtf8},
                                                     {Latex("uplatex", "-kanji=utf8"),
                                                      {"upbibtex", {"-kanji=utf8", "./-draft"}},
                                                      {"mendex", {"-U", "./-draft.idx"}}}}),
                         test::RowName());

TEST(RunPlan, FormatLikeNameIsMadeAPath) { EXPECT_EQ(Plan("&fmt.tex").Current().arguments.back(), "./&fmt.tex"); }

TEST(RunPlan, UserCommandsTakeTheFileForPercentFAndTheirOwnOptions) {
  RunPlan plan("-a b.tex", Toolchain{}, true, ReaderOf(kNoFiles),
               {.latex = {"mytex", "-in=%f", "%f"}, .dviToPdf = "dvipdfm", .dviToPdfOptions = {"-p", "a5"}});
  EXPECT_EQ(plan.Current(), (Command{"mytex", {"-in=./-a b.tex", "./-a b.tex"}}));
  plan.LatexFinished(0, Clean());
  // The embedding map is dvipdfmx's alone.
  EXPECT_EQ(plan.Current(), (Command{"dvipdfm", {"-p", "a5", "./-a b.dvi"}}));
}

TEST(RunPlan, LatexmkRunsTheWholeChainWithTheEnginesToolsQuoted) {
  for (const int exitCode : {0, 12}) {
    RunPlan plan("doc.tex", Toolchain{Engine::kUplatex, Encoding::kUtf8}, true, ReaderOf(kNoFiles),
                 {.latex = {}, .dviToPdf = "dvipdfmx", .dviToPdfOptions = {"-V", "o'k"}, .latexmk = true});
    EXPECT_EQ(
        plan.Current(),
        (Command{"latexmk",
                 {"-pdfdvi", "-e",
                  "$latex = 'uplatex -kanji=utf8 -interaction=nonstopmode -file-line-error -synctex=1 %O %S';", "-e",
                  "$bibtex = 'upbibtex -kanji=utf8 %O %B';", "-e", "$makeindex = 'mendex -U %O -o %D %S';", "-e",
                  R"($dvipdf = '\'dvipdfmx\' \'-f\' \'uptex-haranoaji.map\' \'-V\' \'o\'\\\'\'k\' %O -o %D %S';)",
                  "doc.tex"}}));
    plan.LatexFinished(exitCode, Clean());
    EXPECT_EQ(plan.CurrentStage(), exitCode == 0 ? Stage::kSucceeded : Stage::kFailed) << exitCode;
  }
}

TEST(RunPlan, CleanRunGoesToDvipdfmxWithTheEmbeddingMap) {
  RunPlan plan = Plan("doc.tex");
  plan.LatexFinished(0, Clean());
  ASSERT_EQ(plan.CurrentStage(), Stage::kDvipdfmx);
  EXPECT_EQ(plan.Current(), (Command{"dvipdfmx", {"-f", "ptex-haranoaji.map", "doc.dvi"}}));
  plan.ToolFinished(0);
  EXPECT_EQ(plan.CurrentStage(), Stage::kSucceeded);
  EXPECT_EQ(plan.PdfFile(), "doc.pdf");
}

TEST(RunPlan, NoMapWhenTheSystemEmbedsAlready) {
  RunPlan plan = Plan("-draft.tex", false);
  plan.LatexFinished(0, Clean());
  EXPECT_EQ(plan.Current().arguments, std::vector<std::string>{"./-draft.dvi"});
}

TEST(RunPlan, LogAskingForARerunIsHeededAtMostFiveRunsInAll) {
  RunPlan plan = Plan("doc.tex");
  for (int run = 1; run <= kMaxLatexRuns; ++run) {
    ASSERT_EQ(plan.CurrentStage(), Stage::kLatex) << run;
    EXPECT_EQ(plan.LatexRuns(), run);
    plan.LatexFinished(0, AskingRerun());
  }
  EXPECT_EQ(plan.CurrentStage(), Stage::kDvipdfmx);
}

struct FailureCase {
  const char* name;
  std::vector<int> exitCodes;  // of the steps run, the last one ending the run
  LogSummary platexLog;
  Stage end;
  Failure failure;
};

class RunFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RunFailure, EndsTheRunNamingTheStep) {
  const Files folder = {{"doc.aux", kCitation}, {"doc.idx", "I"}};
  RunPlan plan("doc.tex", Toolchain{}, false, ReaderOf(folder));
  for (int exitCode : GetParam().exitCodes) {
    if (plan.CurrentStage() == Stage::kLatex) {
      plan.LatexFinished(exitCode, GetParam().platexLog);
    } else {
      plan.ToolFinished(exitCode);
    }
  }
  EXPECT_EQ(plan.CurrentStage(), GetParam().end);
  EXPECT_EQ(plan.FailedStep().program, GetParam().failure.program);
  EXPECT_EQ(plan.FailedStep().exitCode, GetParam().failure.exitCode);
  EXPECT_EQ(plan.FailedStep().logFile, GetParam().failure.logFile);
}

// The steps: platex, pbibtex, mendex, dvipdfmx (nothing changes).
INSTANTIATE_TEST_SUITE_P(
    Plan, RunFailure,
    ::testing::Values(
        FailureCase{"ErrorInTheLog", {0}, WithError(), Stage::kFailed, {"platex", 0}},
        FailureCase{"PlatexCrashed", {-1}, AskingRerun(), Stage::kFailed, {"platex", -1}},
        FailureCase{"PbibtexWarnedOnly", {0, 1}, Clean(), Stage::kMendex, {}},
        FailureCase{"PbibtexError", {0, 2}, Clean(), Stage::kFailed, {"pbibtex", 2, Stage::kBibtex, "doc.blg"}},
        FailureCase{"MendexError", {0, 0, 1}, Clean(), Stage::kFailed, {"mendex", 1, Stage::kMendex, "doc.ilg"}},
        FailureCase{"DvipdfmxError", {0, 0, 0, 1}, Clean(), Stage::kFailed, {"dvipdfmx", 1}}),
    test::RowName());

TEST(RunPlan, EachStepNamesWhatItLeavesHalfWritten) {
  const Scenario scenario{"", {}, {{{"doc.aux", kCitation}, {"doc.idx", "I"}}}, {}, {}, {}};
  std::vector<std::vector<std::string>> partial;
  Simulation(scenario).Run([&](const RunPlan& plan) { partial.push_back(plan.PartialOutputs()); });
  EXPECT_EQ(partial, (std::vector<std::vector<std::string>>{
                         {"doc.synctex(busy)"}, {"doc.bbl"}, {"doc.ind"}, {"doc.synctex(busy)"}, {"doc.pdf"}}));
}

TEST(RunPlan, CountsUndefinedReferencesAndCitations) {
  LogSummary log;
  for (const char* message : {"LaTeX Warning: Reference `a' on page 1 undefined on input line 3.",
                              "LaTeX Warning: Citation `k' on page 1 undefined on input line 6.",
                              "Package natbib Warning: Citation `k' on page 1 undefined on input line 6.",
                              "LaTeX Warning: There were undefined references.",
                              "LaTeX Warning: Reference `a' on page 1 undefined on input line 3."}) {
    log.entries.push_back({EntryKind::kWarning, 3, true, message});
  }
  log.entries.push_back({EntryKind::kError, 4, true, "LaTeX Warning: Citation `x' on page 1 undefined"});
  log.entries.push_back({EntryKind::kWarning, 5, true, "LaTeX Warning: Label `a' multiply defined."});
  EXPECT_EQ(CountUndefinedReferences(log), 4);
}

TEST(RunPlan, JobNameDropsOnlyTheLastExtension) {
  EXPECT_EQ(Plan("a.b.tex").JobName(), "a.b");
  EXPECT_EQ(Plan("notes").JobName(), "notes");
  EXPECT_EQ(Plan("dir.d/notes").JobName(), "dir.d/notes");
}

struct MapCase {
  const char* name;
  const char* map;
  bool embeds;
  Engine engine = Engine::kPlatex;
};

class FontMapTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(FontMapTest, Decides) {
  EXPECT_EQ(MapEmbedsJapaneseFonts(GetParam().map, GetParam().engine), GetParam().embeds);
}

INSTANTIATE_TEST_SUITE_P(
    Map, FontMapTest,
    ::testing::Values(
        MapCase{"NoEmbed",
                "% morisawa5.map\nfutogo-b H FutoGoB101-Bold\nryumin-l H Ryumin-Light\n"
                "rml H Ryumin-Light\ngbm H GothicBBB-Medium\n",
                false},
        MapCase{"HaranoAji", "% ptex-haranoaji.map\nrml\tH\tHaranoAjiMincho-Regular.otf\n", true},
        MapCase{"CollectionFace", "rml H :0:msmincho.TTC\n", true},
        MapCase{"ExplicitNoEmbed", "rml H !HaranoAjiMincho-Regular.otf\n", false},
        MapCase{"NoMinchoLine", "gbm H GothicBBB-Medium.otf\n", false}, MapCase{"Empty", "", false},
        MapCase{"UplatexFace", "rml H !Ryumin-Light\nuprml-h UniJIS-UTF16-H HaranoAjiMincho-Regular.otf\n", true,
                Engine::kUplatex},
        MapCase{"PlatexFaceOnlyForUplatex", "rml H HaranoAjiMincho-Regular.otf\n", false, Engine::kUplatex}),
    test::RowName());

}  // namespace
}  // namespace zumoku::typeset
