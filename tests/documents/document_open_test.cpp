#include "document_fixture.h"
#include "row_name.h"

namespace zumoku::test {

TEST_F(DocumentTest, OpenReadsTheChosenFileAndNamesTheDocument) {
  const std::string path = "/文書/論文.tex";
  files.files[path] = S("漢字\r\n\\section{序}");
  prompts.choices = {path};
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"open ", "caption Zumoku - /文書/論文.tex", "save1 on"}));
  EXPECT_EQ(buffer.Text(), S("漢字\r\n\\section{序}"));
  EXPECT_FALSE(buffer.Modified());
  EXPECT_EQ(document.CurrentFileName(), path);
  EXPECT_EQ(prompts.openTypes.data(), kOpenFileTypes.data());

  // Both dialogs now start with the opened file's name.
  prompts.choices = {std::nullopt, std::nullopt};
  document.SaveAs();
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"save /文書/論文.tex", kSaveCancelled, "open /文書/論文.tex"}));
  EXPECT_EQ(prompts.saveTypes.data(), kSaveFileTypes.data());
}

TEST_F(DocumentTest, OpenOnAChangedDocumentAsksNamingItsFileNotTheCaption) {
  OpenFile("/d/a.tex");
  Type("x");
  files.files["/d/b.tex"] = "new";
  prompts.answers = {Answer::kNo};
  prompts.choices = {"/d/b.tex"};
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"ask /d/a.tex" + kUnsaved, "open /d/a.tex", "caption Zumoku - /d/b.tex", "save1 on"}));
  EXPECT_EQ(buffer.Text(), "new");
  EXPECT_EQ(files.files["/d/a.tex"], "old");
}

// As Exit asks: the document has no file to name yet.
TEST_F(DocumentTest, OpenOnAFreshChangedDocumentNamesNothing) {
  Type("x");
  prompts.answers = {Answer::kNo};
  prompts.choices = {std::nullopt};
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"ask " + kUnsaved, "open "}));
}

TEST_F(DocumentTest, CancelledOpenMarksTheDocumentChanged) {
  prompts.choices = {std::nullopt};
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"open "}));
  EXPECT_TRUE(buffer.Modified());
  prompts.answers = {Answer::kNo};
  EXPECT_TRUE(document.Exit());
  EXPECT_EQ(prompts.Take(), (Log{"ask+cancel " + kUnsaved}));
}

TEST_F(DocumentTest, CancelledOpenAfterNoKeepsTheChangedText) {
  Type("typed");
  prompts.answers = {Answer::kNo};
  prompts.choices = {std::nullopt};
  document.Open();
  EXPECT_EQ(buffer.Text(), "typed");
  EXPECT_TRUE(buffer.Modified());
}

TEST_F(DocumentTest, UnreadableFileLeavesEverythingAsItWas) {
  OpenFile("/d/a.tex");
  Type("x");
  files.files["/d/locked.tex"] = "secret";
  files.unreadable.insert("/d/locked.tex");
  prompts.answers = {Answer::kNo};
  prompts.choices = {"/d/locked.tex"};
  document.Open();
  EXPECT_EQ(prompts.Take(),
            (Log{"ask /d/a.tex" + kUnsaved, "open /d/a.tex", "error ファイル /d/locked.tex は開けません"}));
  EXPECT_EQ(buffer.Text(), "oldx");
  EXPECT_FALSE(buffer.Modified());  // as the answer No left it
  EXPECT_EQ(document.CurrentFileName(), "/d/a.tex");
  EXPECT_EQ(document.Caption(), "Zumoku - /d/a.tex");

  // Save still goes to the old file; the Open dialog keeps the last choice.
  document.Save();
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
  prompts.choices = {std::nullopt};
  document.Open();
  EXPECT_EQ(prompts.Take().back(), "open /d/locked.tex");
}

TEST_F(DocumentTest, MissingFileCannotBeOpened) {
  prompts.choices = {"/d/none.tex"};
  document.Open();
  EXPECT_EQ(prompts.Take(), (Log{"open ", "error ファイル /d/none.tex は開けません"}));
  EXPECT_EQ(document.CurrentFileName(), "");
  EXPECT_EQ(document.Caption(), "Zumoku");
}

// Open and a dropped file both offer to save a changed text before reading:
// under a chosen name while "上書き保存" is disabled (here: a file dropped on
// a new document). The two commands differ only in the question's name and
// in what they do after reading.
enum class Loader { kOpen, kDrop };
std::string RowLabel(Loader loader) { return loader == Loader::kOpen ? "Open" : "Drop"; }

struct SaveFirstRow {
  const char* name;
  Answer unsavedAnswer;
  std::optional<std::string> saveChoice;
  std::optional<Answer> overwriteAnswer;  // set when the chosen name exists
  bool unwritable;
  Log saveLog;  // what happens between the question and the reading
  bool saved;   // the text was written to the chosen name
  bool read;    // the new file was read
};

void PrintTo(const SaveFirstRow& row, std::ostream* out) { *out << row.name; }

class SaveBeforeLoading : public DocumentTest,
                          public ::testing::WithParamInterface<std::tuple<SaveFirstRow, Loader>> {};

TEST_P(SaveBeforeLoading, FollowsTheAnswers) {
  const auto& [row, loader] = GetParam();
  files.files["/d/a.tex"] = "old";
  const std::string first[] = {"/d/a.tex"};
  document.DropFiles(first);
  prompts.Take();
  Type("x");
  files.files["/d/next.tex"] = "next";
  files.files["/d/exists.tex"] = "exists";
  if (row.unwritable) files.unwritable.insert("/d/ro.tex");
  prompts.answers = {row.unsavedAnswer};
  if (row.overwriteAnswer) prompts.answers.push_back(*row.overwriteAnswer);
  prompts.choices = {row.saveChoice};

  Log expected = {loader == Loader::kOpen ? "ask /d/a.tex" + kUnsaved : "ask+cancel /d/a.tex" + kUnsaved};
  expected.insert(expected.end(), row.saveLog.begin(), row.saveLog.end());
  if (loader == Loader::kOpen) {
    prompts.choices.push_back("/d/next.tex");
    document.Open();
    if (row.read) expected.insert(expected.end(), {"open /d/a.tex", "caption Zumoku - /d/next.tex", "save1 on"});
  } else {
    const std::string dropped[] = {"/d/next.tex"};
    document.DropFiles(dropped);
    if (row.read) expected.push_back("caption Zumoku -/d/next.tex");
  }
  EXPECT_EQ(prompts.Take(), expected);
  EXPECT_EQ(buffer.Text(), row.read ? "next" : "oldx");
  EXPECT_EQ(buffer.Modified(), !row.read);
  if (row.saveChoice) {
    EXPECT_EQ(files.files[*row.saveChoice] == "oldx", row.saved);
  }
  EXPECT_EQ(files.files["/d/a.tex"], "old");  // the saved copy does not rename the document
  EXPECT_EQ(document.CurrentFileName(), row.read ? "/d/next.tex" : "/d/a.tex");
}

const std::string kSavePrompt = "save /d/a.tex";
const std::string kOverwriteExists = "ask /d/exists.tex" + kOverwrite;

INSTANTIATE_TEST_SUITE_P(
    Documents, SaveBeforeLoading,
    ::testing::Combine(
        ::testing::Values(
            SaveFirstRow{
                "YesThenCancel", Answer::kYes, std::nullopt, {}, false, {kSavePrompt, kLoadCancelled}, false, false},
            SaveFirstRow{"NewName", Answer::kYes, "/d/copy.tex", {}, false, {kSavePrompt}, true, true},
            SaveFirstRow{"OverwriteYes",
                         Answer::kYes,
                         "/d/exists.tex",
                         Answer::kYes,
                         false,
                         {kSavePrompt, kOverwriteExists},
                         true,
                         true},
            SaveFirstRow{"OverwriteNo",
                         Answer::kYes,
                         "/d/exists.tex",
                         Answer::kNo,
                         false,
                         {kSavePrompt, kOverwriteExists, kLoadCancelled},
                         false,
                         false},
            SaveFirstRow{"OverwriteClosed",
                         Answer::kYes,
                         "/d/exists.tex",
                         Answer::kClosed,
                         false,
                         {kSavePrompt, kOverwriteExists, kLoadCancelled},
                         false,
                         false},
            SaveFirstRow{"WriteFails",
                         Answer::kYes,
                         "/d/ro.tex",
                         {},
                         true,
                         {kSavePrompt, "error ファイル /d/ro.tex を作成できません"},
                         false,
                         false}),
        ::testing::Values(Loader::kOpen, Loader::kDrop)),
    RowName());

// Closing Open's question counts as Yes: the text is saved first. A dropped
// file's question has Cancel, which Esc and the close button choose: nothing
// is saved or read.
TEST_F(DocumentTest, ClosedQuestionSavesFirstOnOpenAndCancelsADrop) {
  OpenFile("/d/a.tex");
  Type("x");
  files.files["/d/next.tex"] = "next";
  prompts.answers = {Answer::kClosed, Answer::kClosed};
  prompts.choices = {std::nullopt};
  document.Open();
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
  Type("y");
  const std::string dropped[] = {"/d/next.tex"};
  document.DropFiles(dropped);
  EXPECT_EQ(prompts.Take(), (Log{"ask /d/a.tex" + kUnsaved, "status ファイルを上書き保存しました", "open /d/a.tex",
                                 "ask+cancel /d/a.tex" + kUnsaved}));
  EXPECT_EQ(buffer.Text(), "oldxy");
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
  EXPECT_EQ(document.CurrentFileName(), "/d/a.tex");
}

}  // namespace zumoku::test
