#include "setup/settings_lines.h"
#include "setup_fixture.h"

namespace zumoku::test {

using Lines = std::vector<std::string>;

TEST(SettingsLines, SplitAtEveryLineEndWithoutAnExtraLastLine) {
  const struct {
    std::string bytes;
    Lines lines;
  } rows[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\r\r\n", {"", ""}},
      {"a\n\r", {"a", ""}},
      {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
  };
  for (const auto& row : rows) EXPECT_EQ(SplitSettingsLines(row.bytes), row.lines) << row.bytes;
}

TEST(SettingsLines, WrittenWithCrLfAfterEveryLineAndReadBackTheSame) {
  const Lines lines = {"{jsarticle}", "", S("[titlepage]{表}")};
  const std::string bytes = JoinSettingsLines(lines);
  EXPECT_EQ(bytes, "{jsarticle}\r\n\r\n" + S("[titlepage]{表}") + "\r\n");
  EXPECT_EQ(SplitSettingsLines(bytes), lines);
}

TEST_F(SetupTest, LoadFillsTheBoxesAndKeepsTheDialogDefaults) {
  files.files[kPreamble] = "\\usepackage{a}\r\n\r\n\\usepackage{b}";  // no final line break
  const auto loaded = settings.Load();
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->entries, (Lines{"{jsarticle}", "{jsbook}", "[a4paper]{jsreport}"}));
  EXPECT_EQ(loaded->selected, -1);
  EXPECT_EQ(loaded->classText, "{jsarticle}");
  EXPECT_EQ(loaded->preamble, "\\usepackage{a}\r\n\r\n\\usepackage{b}\r\n");
  EXPECT_EQ(loaded->title, S("題"));
  EXPECT_EQ(loaded->author, S("著者"));
  EXPECT_EQ(loaded->date, "\\today");
  EXPECT_FALSE(loaded->showTitle);
  EXPECT_TRUE(prompts.log.empty());
}

TEST_F(SetupTest, LoadFailuresAreReportedAndStopTheLoad) {
  const struct {
    std::string unreadable, title, error;
  } rows[] = {
      {kClasses, "t\r\na\r\nd", "error ファイル set/documentclass.txt は開けません"},
      {kPreamble, "t\r\na\r\nd", "error ファイル set/prinable.txt は開けません"},
      {kTitle, "t\r\na\r\nd", "error ファイル set/author.txt は開けません"},
      {"", "", "error リストのインデックスが範囲を超えています (0)"},
      {"", "t", "error リストのインデックスが範囲を超えています (1)"},
      {"", "t\r\na\r\n", "error リストのインデックスが範囲を超えています (2)"},
  };
  for (const auto& row : rows) {
    files.unreadable = {row.unreadable};
    files.files[kTitle] = row.title;
    EXPECT_FALSE(settings.Load());
    EXPECT_EQ(prompts.Take(), Lines{row.error});
  }
  files.unreadable.clear();
  files.files[kTitle] = "\r\n\r\n\r\nextra";  // empty lines are valid, the fourth is ignored
  const auto loaded = settings.Load();
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->title + loaded->author + loaded->date, "");
}

}  // namespace zumoku::test
