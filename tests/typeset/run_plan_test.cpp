#include <gtest/gtest.h>

#include "typeset/run_plan.h"

namespace zumoku::typeset {
namespace {

LogSummary Clean() { return {}; }
LogSummary AskingRerun() { return {{}, true}; }
LogSummary WithError() { return {{{EntryKind::kError, 3, true, "Undefined control sequence."}}, false}; }

TEST(RunPlan, RunsPlatexWithSynctexInTheDocumentsCode) {
  const RunPlan plan("doc.tex", true);
  EXPECT_EQ(plan.Current(), (Command{"platex", {"-kanji=sjis", "-interaction=nonstopmode", "-file-line-error",
                                                "-synctex=1", "doc.tex"}}));
}

TEST(RunPlan, NamesThatLookLikeOptionsAreGivenAsPaths) {
  EXPECT_EQ(RunPlan("-draft.tex", true).Current().arguments.back(), "./-draft.tex");
  EXPECT_EQ(RunPlan("&fmt.tex", true).Current().arguments.back(), "./&fmt.tex");
  RunPlan plan("-draft.tex", false);
  plan.PlatexFinished(0, Clean());
  EXPECT_EQ(plan.Current().arguments.back(), "./-draft.dvi");
}

TEST(RunPlan, CleanRunGoesToDvipdfmxWithTheEmbeddingMap) {
  RunPlan plan("doc.tex", true);
  plan.PlatexFinished(0, Clean());
  ASSERT_EQ(plan.CurrentStage(), Stage::kDvipdfmx);
  EXPECT_EQ(plan.Current(), (Command{"dvipdfmx", {"-f", "ptex-haranoaji.map", "doc.dvi"}}));
  plan.DvipdfmxFinished(0);
  EXPECT_EQ(plan.CurrentStage(), Stage::kSucceeded);
  EXPECT_EQ(plan.PdfFile(), "doc.pdf");
}

TEST(RunPlan, NoMapWhenTheSystemEmbedsAlready) {
  RunPlan plan("doc.tex", false);
  plan.PlatexFinished(0, Clean());
  EXPECT_EQ(plan.Current().arguments, std::vector<std::string>{"doc.dvi"});
}

TEST(RunPlan, RerunsAtMostThreeTimes) {
  RunPlan plan("doc.tex", true);
  for (int run = 1; run <= 1 + kMaxReruns; ++run) {
    ASSERT_EQ(plan.CurrentStage(), Stage::kPlatex) << run;
    EXPECT_EQ(plan.PlatexRuns(), run);
    plan.PlatexFinished(0, AskingRerun());
  }
  EXPECT_EQ(plan.CurrentStage(), Stage::kDvipdfmx);
}

TEST(RunPlan, ErrorsOrAFailedToolEndTheRun) {
  RunPlan errors("doc.tex", true);
  errors.PlatexFinished(0, WithError());
  EXPECT_EQ(errors.CurrentStage(), Stage::kFailed);
  RunPlan crash("doc.tex", true);
  crash.PlatexFinished(1, AskingRerun());
  EXPECT_EQ(crash.CurrentStage(), Stage::kFailed);
  RunPlan dvipdfmx("doc.tex", true);
  dvipdfmx.PlatexFinished(0, Clean());
  dvipdfmx.DvipdfmxFinished(1);
  EXPECT_EQ(dvipdfmx.CurrentStage(), Stage::kFailed);
}

TEST(RunPlan, JobNameDropsOnlyTheLastExtension) {
  EXPECT_EQ(RunPlan("a.b.tex", true).JobName(), "a.b");
  EXPECT_EQ(RunPlan("notes", true).JobName(), "notes");
  EXPECT_EQ(RunPlan("dir.d/notes", true).JobName(), "dir.d/notes");
}

struct MapCase {
  const char* name;
  const char* map;
  bool embeds;
};

class FontMapTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(FontMapTest, Decides) { EXPECT_EQ(MapEmbedsJapaneseFonts(GetParam().map), GetParam().embeds); }

INSTANTIATE_TEST_SUITE_P(
    Map, FontMapTest,
    ::testing::Values(MapCase{"NoEmbed", "% morisawa5.map\nfutogo-b H FutoGoB101-Bold\nryumin-l H Ryumin-Light\n"
                                         "rml H Ryumin-Light\ngbm H GothicBBB-Medium\n", false},
                      MapCase{"HaranoAji", "% ptex-haranoaji.map\nrml\tH\tHaranoAjiMincho-Regular.otf\n", true},
                      MapCase{"CollectionFace", "rml H :0:msmincho.TTC\n", true},
                      MapCase{"ExplicitNoEmbed", "rml H !HaranoAjiMincho-Regular.otf\n", false},
                      MapCase{"NoMinchoLine", "gbm H GothicBBB-Medium.otf\n", false},
                      MapCase{"Empty", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zumoku::typeset
