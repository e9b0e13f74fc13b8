#include "new_document_fixture.h"

namespace zumoku::test {

using Lines = std::vector<std::string>;

TEST_F(SetupTest, LoadFillsTheBoxesAndKeepsTheDialogDefaults) {
  // No final line break; a NUL ends the text.
  files.files[kPreamble] = std::string("\\usepackage{a}\r\n\r\n\\usepackage{b}") + '\0' + "\\usepackage{c}";
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
