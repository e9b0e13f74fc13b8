#include "document_fixture.h"

namespace zumoku::test {

TEST_F(DocumentTest, DropOpensTheFirstOfSeveralFiles) {
  files.files = {{"/d/1.tex", "one"}, {"/d/2.tex", "two"}, {"/d/3.tex", "three"}};
  const std::string dropped[] = {"/d/1.tex", "/d/2.tex", "/d/3.tex"};
  document.DropFiles(dropped);
  EXPECT_EQ(prompts.Take(), (Log{"caption Zumoku -/d/1.tex"}));  // no blank after the hyphen; Save1 untouched
  EXPECT_EQ(buffer.Text(), "one");
  EXPECT_FALSE(buffer.Modified());
  EXPECT_EQ(document.CurrentFileName(), "/d/1.tex");
}

TEST_F(DocumentTest, SaveAfterADropOnANewDocumentPresetsTheDroppedName) {
  files.files["/d/dropped.tex"] = "dropped";
  const std::string dropped[] = {"/d/dropped.tex"};
  document.DropFiles(dropped);
  prompts.Take();
  prompts.choices = {std::nullopt, std::nullopt};
  document.Save();
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"save /d/dropped.tex", kSaveCancelled, "open /d/dropped.tex"}));
}

TEST_F(DocumentTest, DropKeepsSaveEnabledAndSaveWritesTheDroppedFile) {
  OpenFile("/d/a.tex");
  files.files["/d/dropped.tex"] = "dropped";
  const std::string dropped[] = {"/d/dropped.tex"};
  document.DropFiles(dropped);
  Type("!");
  document.Save();
  EXPECT_EQ(prompts.Take(), (Log{"caption Zumoku -/d/dropped.tex", "status ファイルを上書き保存しました"}));
  EXPECT_EQ(files.files["/d/dropped.tex"], "dropped!");
  EXPECT_EQ(files.files["/d/a.tex"], "old");
}

TEST_F(DocumentTest, DropOnAChangedDocumentAnsweredNoDiscardsTheChanges) {
  Type("x");
  files.files["/d/dropped.tex"] = "dropped";
  const std::string dropped[] = {"/d/dropped.tex"};
  prompts.answers = {Answer::kNo};
  document.DropFiles(dropped);
  EXPECT_EQ(prompts.Take(), (Log{"ask+cancel " + kUnsaved, "caption Zumoku -/d/dropped.tex"}));
  EXPECT_EQ(buffer.Text(), "dropped");
}

TEST_F(DocumentTest, UnreadableDropLeavesEverythingAsItWas) {
  OpenFile("/d/a.tex");
  const std::string dropped[] = {"/d/missing.tex", "/d/a.tex"};
  document.DropFiles(dropped);
  EXPECT_EQ(prompts.Take(), (Log{"error ファイル /d/missing.tex は開けません"}));
  EXPECT_EQ(document.CurrentFileName(), "/d/a.tex");
  EXPECT_EQ(document.Caption(), "Zumoku - /d/a.tex");
  EXPECT_EQ(buffer.Text(), "old");
}

TEST_F(DocumentTest, DroppedPathIsTakenWholeWhateverItsLength) {
  std::string path = "/";
  while (path.size() < 600) path += "長いフォルダ名/";
  path += "文書.tex";
  files.files[path] = "long";
  const std::string dropped[] = {path};
  document.DropFiles(dropped);
  EXPECT_EQ(document.CurrentFileName(), path);
  EXPECT_EQ(buffer.Text(), "long");
}

TEST_F(DocumentTest, EmptyDropDoesNothing) {
  Type("x");
  document.DropFiles({});
  EXPECT_EQ(prompts.Take(), Log{});
  EXPECT_EQ(buffer.Text(), "x");
}

}  // namespace zumoku::test
