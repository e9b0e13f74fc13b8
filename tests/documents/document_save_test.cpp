#include <functional>

#include "document_fixture.h"
#include "row_name.h"

namespace zumoku::test {

TEST_F(DocumentTest, SaveOnANewDocumentRunsSaveAs) {
  Type("x");
  prompts.choices = {"/d/b.tex"};
  document.Save();
  EXPECT_EQ(prompts.Take(), (Log{"save ", "caption Zumoku - /d/b.tex", "save1 on", "status /d/b.tex保存完了"}));
  EXPECT_EQ(files.files["/d/b.tex"], "x");
}

TEST_F(DocumentTest, SaveWritesToTheCurrentFileWithoutAQuestion) {
  OpenFile("/d/a.tex");
  files.files.erase("/d/a.tex");  // vanished meanwhile: created anew
  Type("x");
  document.Save();
  EXPECT_EQ(prompts.Take(), (Log{"status ファイルを上書き保存しました"}));
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
  EXPECT_FALSE(buffer.Modified());

  files.files.erase("/d/a.tex");
  document.Save();  // also when the text did not change
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
}

TEST_F(DocumentTest, FailedSaveChangesNothing) {
  OpenFile("/d/a.tex");
  prompts.status = "before";
  Type("x");
  files.unwritable.insert("/d/a.tex");
  document.Save();
  EXPECT_EQ(prompts.Take(), (Log{"error ファイル /d/a.tex を作成できません"}));
  EXPECT_EQ(files.files["/d/a.tex"], "old");
  EXPECT_TRUE(buffer.Modified());
  EXPECT_EQ(prompts.status, "before");
}

TEST_F(DocumentTest, SaveAsNamesTheDocumentAfterTheChosenFile) {
  OpenFile("/d/a.tex");
  Type("x");
  prompts.choices = {"/新しい/b.txt"};
  EXPECT_TRUE(document.SaveAs());
  EXPECT_EQ(prompts.Take(),
            (Log{"save /d/a.tex", "caption Zumoku - /新しい/b.txt", "save1 on", "status /新しい/b.txt保存完了"}));
  EXPECT_EQ(files.files["/新しい/b.txt"], "oldx");
  EXPECT_EQ(files.files["/d/a.tex"], "old");
  EXPECT_EQ(document.CurrentFileName(), "/新しい/b.txt");
  EXPECT_FALSE(buffer.Modified());
}

TEST_F(DocumentTest, SaveAsDeclinedOverwriteReopensTheDialog) {
  files.files["/d/b.tex"] = "keep";
  Type("x");
  prompts.choices = {"/d/b.tex", "/d/b.tex", std::nullopt};
  prompts.answers = {Answer::kNo, Answer::kClosed};
  EXPECT_FALSE(document.SaveAs());
  const std::string question = "ask /d/b.tex" + kOverwrite;
  EXPECT_EQ(prompts.Take(), (Log{"save ", question, kSaveCancelled, "save /d/b.tex", question, kSaveCancelled,
                                 "save /d/b.tex", kSaveCancelled}));
  EXPECT_EQ(files.files["/d/b.tex"], "keep");
  EXPECT_TRUE(buffer.Modified());
  EXPECT_EQ(document.CurrentFileName(), "");
}

TEST_F(DocumentTest, SaveAsOverwritesAfterYes) {
  files.files["/d/b.tex"] = "keep";
  Type("x");
  prompts.choices = {"/d/b.tex"};
  prompts.answers = {Answer::kYes};
  EXPECT_TRUE(document.SaveAs());
  EXPECT_EQ(files.files["/d/b.tex"], "x");
}

TEST_F(DocumentTest, FailedSaveAsChangesNothing) {
  Type("x");
  files.unwritable.insert("/ro/b.tex");
  prompts.choices = {"/ro/b.tex"};
  EXPECT_FALSE(document.SaveAs());
  EXPECT_EQ(prompts.Take(), (Log{"save ", "error ファイル /ro/b.tex を作成できません"}));
  EXPECT_EQ(document.CurrentFileName(), "");
  EXPECT_EQ(document.Caption(), "Zumoku");
  EXPECT_TRUE(buffer.Modified());
}

// A buffer holding a character Shift_JIS cannot store, as the widget could
// if text ever slipped past its entry checks.
class UnencodableBuffer : public TextBuffer {
 public:
  using TextBuffer::TextBuffer;
  std::string Text() const override { throw UnencodableText(); }
};

TEST(DocumentUnencodable, SaveRefusesAndWritesNothing) {
  MemoryClipboard clipboard;
  UnencodableBuffer buffer(clipboard);
  MemoryFiles files;
  FakePrompts prompts;
  Document document(buffer, files, prompts);
  buffer.SetModified(true);
  prompts.choices = {"/d/b.tex"};
  EXPECT_FALSE(document.SaveAs());
  EXPECT_EQ(prompts.Take(),
            (Log{"save ", "error Shift_JISで表せない文字があるため、ファイル /d/b.tex に保存できません"}));
  EXPECT_FALSE(files.files.contains("/d/b.tex"));
  EXPECT_TRUE(buffer.Modified());
}

// A FIFO or a device under a document's name: nothing waits on it, nothing
// replaces it, and the document stays as it was.
TEST_F(DocumentTest, OnlyRegularFilesAreOpenedOrSavedOver) {
  OpenFile("/d/a.tex");
  files.special = {"/d/fifo", "/d/a.tex"};
  const std::string dropped[] = {"/d/fifo"};
  document.DropFiles(dropped);
  prompts.choices = {"/d/fifo"};
  document.Open();
  Type("x");
  document.Save();
  prompts.choices = {"/d/fifo"};
  prompts.answers = {Answer::kYes};
  EXPECT_FALSE(document.SaveAs());
  const std::string cannotOpen = "error ファイル /d/fifo は開けません";
  EXPECT_EQ(prompts.Take(), (Log{cannotOpen, "open /d/a.tex", cannotOpen, "error ファイル /d/a.tex は開けません",
                                 "save /d/a.tex", "ask /d/fifo" + kOverwrite, cannotOpen}));
  EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"/d/a.tex", "old"}}));
  EXPECT_EQ(document.CurrentFileName(), "/d/a.tex");
  EXPECT_TRUE(buffer.Modified());
}

struct ExitRow {
  const char* name;
  bool changed;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> choices;
  bool ends;
  Log log;
  bool saved;
};

void PrintTo(const ExitRow& row, std::ostream* out) { *out << row.name; }

class ExitTest : public DocumentTest, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(ExitTest, EndsOnlyWhenNothingIsLost) {
  const ExitRow& row = GetParam();
  files.files["/d/exists.tex"] = "exists";
  files.unwritable.insert("/ro/b.tex");
  if (row.changed) Type("x");
  prompts.answers = row.answers;
  prompts.choices = row.choices;
  EXPECT_EQ(document.Exit(), row.ends);
  EXPECT_EQ(prompts.Take(), row.log);
  const bool saved = files.files.contains("/d/b.tex") || files.files["/d/exists.tex"] == "x";
  EXPECT_EQ(saved, row.saved);
  EXPECT_TRUE(prompts.answers.empty());
}

const std::string kExitQuestion = "ask+cancel " + kUnsaved;  // nothing opened: no name before the text

INSTANTIATE_TEST_SUITE_P(
    Documents, ExitTest,
    ::testing::Values(ExitRow{"Unchanged", false, {}, {}, true, {}, false},
                      ExitRow{"No", true, {Answer::kNo}, {}, true, {kExitQuestion}, false},
                      // Esc or the close button: Cancel keeps the program and the text.
                      ExitRow{"Cancelled", true, {Answer::kClosed}, {}, false, {kExitQuestion}, false},
                      ExitRow{
                          "YesSaved",
                          true,
                          {Answer::kYes},
                          {"/d/b.tex"},
                          true,
                          {kExitQuestion, "save ", "caption Zumoku - /d/b.tex", "save1 on", "status /d/b.tex保存完了"},
                          true},
                      ExitRow{"YesDialogCancelled",
                              true,
                              {Answer::kYes},
                              {std::nullopt},
                              false,
                              {kExitQuestion, "save ", kSaveCancelled},
                              false},
                      ExitRow{"YesOverwriteDeclinedThenCancelled",
                              true,
                              {Answer::kYes, Answer::kNo},
                              {"/d/exists.tex", std::nullopt},
                              false,
                              {kExitQuestion, "save ", "ask /d/exists.tex" + kOverwrite, kSaveCancelled,
                               "save /d/exists.tex", kSaveCancelled},
                              false},
                      ExitRow{"YesWriteFails",
                              true,
                              {Answer::kYes},
                              {"/ro/b.tex"},
                              false,
                              {kExitQuestion, "save ", "error ファイル /ro/b.tex を作成できません"},
                              false}),
    RowName());

// With "上書き保存" enabled, Yes to the unsaved-changes question of each
// command saves to the document's own file, as "上書き保存" does, and the
// command goes on.
struct SaveFirstCommand {
  const char* name;
  std::function<bool(Document&)> run;  // true when the command went on
  Log log;
};

void PrintTo(const SaveFirstCommand& row, std::ostream* out) { *out << row.name; }

class YesSavesToTheOpenFile : public DocumentTest, public ::testing::WithParamInterface<SaveFirstCommand> {};

TEST_P(YesSavesToTheOpenFile, WithoutTheSaveDialog) {
  OpenFile("/d/a.tex");
  files.files["/d/next.tex"] = "next";
  Type("x");
  prompts.answers = {Answer::kYes};
  prompts.choices = {"/d/next.tex"};  // Open's dialog
  EXPECT_TRUE(GetParam().run(document));
  EXPECT_EQ(prompts.Take(), GetParam().log);
  EXPECT_EQ(files.files["/d/a.tex"], "oldx");
}

const std::string kSaved = "status ファイルを上書き保存しました";

INSTANTIATE_TEST_SUITE_P(
    Documents, YesSavesToTheOpenFile,
    ::testing::Values(
        SaveFirstCommand{"Exit", [](Document& d) { return d.Exit(); }, {"ask+cancel /d/a.tex" + kUnsaved, kSaved}},
        SaveFirstCommand{
            "New", [](Document& d) { return d.MayReplaceText(); }, {"ask+cancel /d/a.tex" + kUnsaved, kSaved}},
        SaveFirstCommand{
            "Open",
            [](Document& d) {
              d.Open();
              return d.CurrentFileName() == "/d/next.tex";
            },
            {"ask /d/a.tex" + kUnsaved, kSaved, "open /d/a.tex", "caption Zumoku - /d/next.tex", "save1 on"}},
        SaveFirstCommand{"Drop",
                         [](Document& d) {
                           const std::string dropped[] = {"/d/next.tex"};
                           d.DropFiles(dropped);
                           return d.CurrentFileName() == "/d/next.tex";
                         },
                         {"ask+cancel /d/a.tex" + kUnsaved, kSaved, "caption Zumoku -/d/next.tex"}}),
    RowName());
}  // namespace zumoku::test
