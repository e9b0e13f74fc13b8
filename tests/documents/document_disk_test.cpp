// The document's file as other programs leave it: changed, touched,
// deleted, very large, or not there yet.
#include <functional>

#include "document_fixture.h"
#include "row_name.h"

namespace zumoku::test {

const std::string kChanged = "ファイル /d/a.tex は他のプログラムで変更されています。";
const std::string kOverwriteChanged = "ask-no " + kChanged + "上書きしますか？";
const std::string kReload = "reload " + kChanged + "再読み込みしますか？";
const std::string kReloadLosing =
    "reload " + kChanged + "再読み込みすると、保存していない変更は失われます。再読み込みしますか？";
const std::string kDeleted = "status ファイル /d/a.tex は削除されました。上書き保存で作り直せます";
const std::string kOverwritten = "status ファイルを上書き保存しました";

using Elsewhere = std::function<void(MemoryFiles&)>;

const Elsewhere kNothing = [](MemoryFiles&) {};
const Elsewhere kTouch = [](MemoryFiles& f) { f.Touch("/d/a.tex"); };
const Elsewhere kRewrite = [](MemoryFiles& f) { f.files["/d/a.tex"] = "theirs"; };
const Elsewhere kSameSize = [](MemoryFiles& f) { f.files["/d/a.tex"] = "OLD"; };
const Elsewhere kDelete = [](MemoryFiles& f) { f.files.erase("/d/a.tex"); };

struct SaveRow {
  const char* name;
  Elsewhere elsewhere;
  std::deque<Answer> answers;
  Log log;
  std::string onDisk;
};

void PrintTo(const SaveRow& row, std::ostream* out) { *out << row.name; }

class SaveAfterOtherPrograms : public DocumentTest, public ::testing::WithParamInterface<SaveRow> {};

TEST_P(SaveAfterOtherPrograms, AsksOnlyBeforeLosingTheirChanges) {
  OpenFile("/d/a.tex");
  Type("x");
  GetParam().elsewhere(files);
  prompts.answers = GetParam().answers;
  document.Save();
  EXPECT_EQ(prompts.Take(), GetParam().log);
  EXPECT_EQ(files.files["/d/a.tex"], GetParam().onDisk);
  EXPECT_EQ(buffer.Modified(), GetParam().onDisk != "oldx");
}

INSTANTIATE_TEST_SUITE_P(
    Documents, SaveAfterOtherPrograms,
    ::testing::Values(
        SaveRow{"Untouched", kNothing, {}, {kOverwritten}, "oldx"},
        SaveRow{"TouchedWithTheSameBytes", kTouch, {}, {kOverwritten}, "oldx"},
        SaveRow{"DeletedIsWrittenAnew", kDelete, {}, {kOverwritten}, "oldx"},
        SaveRow{"ChangedYes", kRewrite, {Answer::kYes}, {kOverwriteChanged, kOverwritten}, "oldx"},
        SaveRow{"ChangedNo", kRewrite, {Answer::kNo}, {kOverwriteChanged, kSaveCancelled}, "theirs"},
        SaveRow{"ChangedClosed", kRewrite, {Answer::kClosed}, {kOverwriteChanged, kSaveCancelled}, "theirs"},
        SaveRow{"ChangedToTheSameSize", kSameSize, {Answer::kNo}, {kOverwriteChanged, kSaveCancelled}, "OLD"}),
    RowName());

// Our own writes, with the line ends as written, are what later changes are
// measured against.
TEST_F(DocumentTest, OwnSavesAreNoChange) {
  OpenFile("/d/a.tex", "old\n");
  Type("x");
  document.Save();
  Type("y");
  document.Save();
  prompts.choices = {"/d/b.tex"};
  document.SaveAs();
  document.Save();
  files.Touch("/d/b.tex");
  document.CheckFileOnDisk();
  EXPECT_EQ(prompts.Take(), (Log{kOverwritten, kOverwritten, "save /d/a.tex", "caption Zumoku - /d/b.tex", "save1 on",
                                 "status /d/b.tex保存完了", kOverwritten}));
  EXPECT_EQ(files.files["/d/b.tex"], "old\nxy");
}

TEST_F(DocumentTest, ExitStaysWhenTheChangedFileIsNotOverwritten) {
  OpenFile("/d/a.tex");
  Type("x");
  kRewrite(files);
  prompts.answers = {Answer::kYes, Answer::kNo};
  EXPECT_FALSE(document.Exit());
  EXPECT_EQ(prompts.Take(), (Log{"ask+cancel /d/a.tex" + kUnsaved, kOverwriteChanged, kSaveCancelled}));
  EXPECT_EQ(files.files["/d/a.tex"], "theirs");
}

struct ReloadRow {
  const char* name;
  bool typed;
  Elsewhere elsewhere;
  std::deque<Answer> answers;
  Log log;
  std::string text;
};

void PrintTo(const ReloadRow& row, std::ostream* out) { *out << row.name; }

class ReloadOffer : public DocumentTest, public ::testing::WithParamInterface<ReloadRow> {};

// Checked twice: each change is told once.
TEST_P(ReloadOffer, FollowsTheDisk) {
  OpenFile("/d/a.tex");
  if (GetParam().typed) Type("x");
  GetParam().elsewhere(files);
  prompts.answers = GetParam().answers;
  document.CheckFileOnDisk();
  document.CheckFileOnDisk();
  EXPECT_EQ(prompts.Take(), GetParam().log);
  EXPECT_EQ(buffer.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ReloadOffer,
    ::testing::Values(ReloadRow{"Untouched", true, kNothing, {}, {}, "oldx"},
                      ReloadRow{"Touched", false, kTouch, {}, {}, "old"},
                      ReloadRow{"Reloaded", false, kRewrite, {Answer::kYes}, {kReload}, "theirs"},
                      ReloadRow{"Kept", false, kRewrite, {Answer::kNo}, {kReload}, "old"},
                      ReloadRow{"ReloadedOverTypedText", true, kRewrite, {Answer::kYes}, {kReloadLosing}, "theirs"},
                      ReloadRow{"TypedTextKept", true, kRewrite, {Answer::kNo}, {kReloadLosing}, "oldx"},
                      ReloadRow{"Deleted", false, kDelete, {}, {kDeleted}, "old"}),
    RowName());

TEST_F(DocumentTest, ReloadedTextIsUnchanged) {
  OpenFile("/d/a.tex");
  Type("x");
  kRewrite(files);
  prompts.answers = {Answer::kYes};
  document.CheckFileOnDisk();
  EXPECT_FALSE(buffer.Modified());
  document.Save();  // the reloaded bytes are what the disk holds
  EXPECT_EQ(prompts.Take(), (Log{kReloadLosing, kOverwritten}));
}

TEST_F(DocumentTest, KeptChangeIsAskedAgainOnlyWhenTheFileChangesAgain) {
  OpenFile("/d/a.tex");
  kRewrite(files);
  prompts.answers = {Answer::kNo, Answer::kNo};
  document.CheckFileOnDisk();
  document.CheckFileOnDisk();
  files.files["/d/a.tex"] = "theirs again";
  document.CheckFileOnDisk();
  EXPECT_EQ(prompts.Take(), (Log{kReload, kReload}));
}

// Unsaved from then on, so that ending the program asks; Save writes it anew.
TEST_F(DocumentTest, DeletedFileLeavesTheTextUnsaved) {
  OpenFile("/d/a.tex");
  kDelete(files);
  document.CheckFileOnDisk();
  EXPECT_TRUE(buffer.Modified());
  document.Save();
  EXPECT_EQ(prompts.Take(), (Log{kDeleted, kOverwritten}));
  EXPECT_EQ(files.files["/d/a.tex"], "old");
}

TEST_F(DocumentTest, OnlyTheDocumentsOwnFileIsChecked) {
  OpenFile("/d/a.tex");
  prompts.choices = {"/d/b.tex"};
  document.SaveAs();
  prompts.Take();
  kRewrite(files);
  document.CheckFileOnDisk();
  files.files["/d/b.tex"] = "theirs";
  prompts.answers = {Answer::kNo};
  document.CheckFileOnDisk();
  document.AdoptNewDocument();
  files.files["/d/b.tex"] = "theirs again";
  document.CheckFileOnDisk();
  EXPECT_EQ(prompts.Take(), (Log{"reload ファイル /d/b.tex は他のプログラムで変更されています。再読み込みしますか？",
                                 "caption Zumoku - NEW_File.tex", "save1 off"}));
}

// Opening takes about nine times the file's size in memory: above 256 MiB
// the user decides; from 2 GiB on, positions would overflow.
struct SizeRow {
  const char* name;
  std::uint64_t reportedSize;
  std::deque<Answer> answers;
  Log log;
  bool opened;
};

void PrintTo(const SizeRow& row, std::ostream* out) { *out << row.name; }

class LargeFiles : public DocumentTest, public ::testing::WithParamInterface<SizeRow> {};

TEST_P(LargeFiles, AreOpenedOnlyWhenTheyFit) {
  files.files["/d/big.tex"] = "big";
  files.reportedSizes["/d/big.tex"] = GetParam().reportedSize;
  prompts.answers = GetParam().answers;
  const std::string dropped[] = {"/d/big.tex"};
  document.DropFiles(dropped);
  Log log = GetParam().log;
  if (GetParam().opened) log.push_back("caption Zumoku -/d/big.tex");
  EXPECT_EQ(prompts.Take(), log);
  EXPECT_EQ(buffer.Text(), GetParam().opened ? "big" : "");
}

constexpr std::uint64_t kMiB = 1 << 20;
const std::string kBig = "ask ファイル /d/big.tex は ";
const std::string kTooBig = "error ファイル /d/big.tex は 2048 MB あります。2 GB 以上のファイルは開けません";

INSTANTIATE_TEST_SUITE_P(
    Documents, LargeFiles,
    ::testing::Values(SizeRow{"AtTheLimit", 256 * kMiB, {}, {}, true},
                      SizeRow{"AboveItYes",
                              256 * kMiB + 1,
                              {Answer::kYes},
                              {kBig + "256 MB あります。開くには約 2.3 GB のメモリが必要です。開きますか？"},
                              true},
                      SizeRow{"AboveItNo",
                              1024 * kMiB,
                              {Answer::kNo},
                              {kBig + "1024 MB あります。開くには約 9.0 GB のメモリが必要です。開きますか？"},
                              false},
                      SizeRow{"LastAsked",
                              2048 * kMiB - 1,
                              {Answer::kClosed},
                              {kBig + "2048 MB あります。開くには約 18.0 GB のメモリが必要です。開きますか？"},
                              false},
                      SizeRow{"Refused", 2048 * kMiB, {}, {kTooBig}, false},
                      SizeRow{"SizeReadAsZero", 0, {}, {}, true}),
    RowName());

// A file named at start that does not exist yet: an empty document bound to
// it, as after saving under that name; another program creating it first is
// a change like any other.
TEST_F(DocumentTest, NewFileNamedAtStartIsCreatedBySave) {
  files.folders = {"/d"};
  document.OpenFile("/d/新規.tex");
  EXPECT_EQ(prompts.Take(), (Log{"caption Zumoku - /d/新規.tex", "save1 on"}));
  EXPECT_EQ(document.CurrentFileName(), "/d/新規.tex");
  EXPECT_TRUE(document.HasFile());
  EXPECT_FALSE(buffer.Modified());
  Type("x");
  document.Save();
  EXPECT_EQ(files.files["/d/新規.tex"], "x");

  document.OpenFile("/d/other.tex");
  files.files["/d/other.tex"] = "theirs";
  prompts.answers = {Answer::kNo};
  document.Save();
  EXPECT_EQ(files.files["/d/other.tex"], "theirs");

  document.OpenFile("/none/a.tex");
  EXPECT_EQ(prompts.Take(), (Log{kOverwritten, "caption Zumoku - /d/other.tex", "save1 on",
                                 "ask-no ファイル /d/other.tex は他のプログラムで変更されています。上書きしますか？",
                                 kSaveCancelled, "error ファイル /none/a.tex は開けません"}));
  EXPECT_EQ(document.CurrentFileName(), "/d/other.tex");
}

}  // namespace zumoku::test
