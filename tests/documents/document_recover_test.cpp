// Text restored from a recovery file, and files opened from the recent list.
#include "document_fixture.h"
#include "documents/recent_files.h"
#include "row_name.h"

namespace zumoku::test {

struct RecoverRow {
  const char* name;
  std::string path;       // the document the text was autosaved for
  std::string onDisk;     // that file's bytes now; empty: no file there
  std::string recovered;  // the bytes autosaved
  Log saveLog;            // what "上書き保存" then says
};

class Recovering : public DocumentTest, public ::testing::WithParamInterface<RecoverRow> {};

TEST_P(Recovering, IsUnsavedAndSaveWritesTheBytesBack) {
  const RecoverRow& row = GetParam();
  if (!row.onDisk.empty()) files.files[row.path] = row.onDisk;
  document.Recover(row.path, row.recovered);
  EXPECT_TRUE(buffer.Modified());
  EXPECT_EQ(document.BytesToSave(), row.recovered);
  prompts.Take();
  prompts.choices = {"/d/chosen.tex"};
  ASSERT_TRUE(document.Save());
  EXPECT_EQ(prompts.Take(), row.saveLog);
  EXPECT_EQ(files.files[row.path.empty() ? "/d/chosen.tex" : row.path], row.recovered);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Recovering,
    ::testing::Values(
        RecoverRow{
            "FileChangedByTheLostRun", "/d/a.tex", "old\r\n", "new\nline\n", {"status ファイルを上書き保存しました"}},
        RecoverRow{"FileGone", "/d/a.tex", "", "new\r\n", {"status ファイルを上書き保存しました"}},
        RecoverRow{
            "NoFile",
            "",
            "",
            "new",
            {"save NEW_File.tex", "caption Zumoku - /d/chosen.tex", "save1 on", "status /d/chosen.tex保存完了"}}),
    RowName{});

TEST_F(DocumentTest, AListedFileThatIsGoneIsReportedAndTheTextKept) {
  Type("x");
  EXPECT_FALSE(document.OpenListedFile("/d/gone.tex"));
  EXPECT_EQ(prompts.Take(), (Log{"error ファイル /d/gone.tex は開けません"}));
  EXPECT_EQ(buffer.Text(), "x");
}

TEST_F(DocumentTest, AListedFileAsksAboutUnsavedChangesFirst) {
  files.files["/d/b.tex"] = "b";
  Type("x");
  prompts.answers = {Answer::kClosed};  // Cancel
  EXPECT_TRUE(document.OpenListedFile("/d/b.tex"));
  EXPECT_EQ(buffer.Text(), "x");
  prompts.answers = {Answer::kNo};
  EXPECT_TRUE(document.OpenListedFile("/d/b.tex"));
  EXPECT_EQ(buffer.Text(), "b");
  EXPECT_EQ(document.CurrentFileName(), "/d/b.tex");
}

TEST(RecentFiles, NewestFirstEachOnceAtMostTen) {
  RecentFiles recent({"/a", "/b", "/a"});
  EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/a", "/b"}));
  for (int index = 0; index < 12; ++index) recent.Add("/" + std::to_string(index));
  recent.Add("/5");
  ASSERT_EQ(recent.Paths().size(), RecentFiles::kLimit);
  EXPECT_EQ(recent.Paths().front(), "/5");
  EXPECT_EQ(recent.Paths().back(), "/2");  // moving /5 up dropped nothing
  recent.Remove("/5");
  EXPECT_EQ(recent.Paths().front(), "/11");
}

}  // namespace zumoku::test
