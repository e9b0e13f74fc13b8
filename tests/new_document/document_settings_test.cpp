#include "new_document/document_settings.h"
#include "encoding/line_ends.h"
#include "new_document_fixture.h"

namespace zumoku::test {

using Lines = std::vector<std::string>;

TEST(TitlePage, TurnedOnAndOffInBothClassTextForms) {
  const struct {
    std::string classText, on, off;
  } rows[] = {
      {"{jsarticle}", "[titlepage]{jsarticle}", "{jsarticle}"},
      {"[a4paper]{jsarticle}", "[titlepage,a4paper]{jsarticle}", "[a4paper]{jsarticle}"},
      {"", "[titlepage]", ""},
      // Already named: on changes nothing; off keeps the last-option form.
      {"[a4paper,titlepage]{jsbook}", "[a4paper,titlepage]{jsbook}", "[a4paper,titlepage]{jsbook}"},
      {"[titlepage][titlepage,b]{x}titlepage,", "[titlepage][titlepage,b]{x}titlepage,", "[b]{x}"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WithTitlePage(row.classText), row.on) << row.classText;
    EXPECT_EQ(WithoutTitlePage(row.on), row.off) << row.classText;
  }
}

TEST(TitlePage, MatchesOnlyWholeCharacters) {
  // 0x835B is ゼ: its trail byte is "[", which a byte-wise search would
  // take for the start of "[titlepage]".
  const std::string zen = S("ゼ");
  ASSERT_EQ(zen, "\x83[");
  EXPECT_EQ(WithoutTitlePage("{" + zen + "titlepage]}"), "{" + zen + "titlepage]}");
}

TEST(ClassEntries, CaseIsIgnoredForSingleByteLettersOnly) {
  const Lines entries = {"{jsarticle}", S("{ア}")};
  EXPECT_TRUE(HasEntry(entries, "{JSArticle}"));
  EXPECT_FALSE(HasEntry(entries, "{jsarticle} "));
  EXPECT_FALSE(HasEntry(entries, S("{ヂ}")));  // 0x8361 against 0x8341: only the trail byte differs in case
  EXPECT_TRUE(HasEntry(entries, S("{ア}")));
}

class ConfirmTest : public SetupTest {
 protected:
  DocumentSettings dialog = *settings.Load();
  NewDocumentTemplate fields{"old class", "old preamble", "old title"};

  bool Confirm() { return ConfirmSettings(dialog, settings, fields); }
};

TEST_F(ConfirmTest, NewClassTextIsAddedAndStoredOthersAreNot) {
  const struct {
    std::string classText;
    bool added;
    std::string classLine;
  } rows[] = {
      {"{JSBOOK}", false, "\\documentclass{JSBOOK}"},
      {"", false, "\\documentclass"},
      {"[titlepage]{jsarticle}", true, "\\documentclass[titlepage]{jsarticle}"},
  };
  for (const auto& row : rows) {
    const std::string before = files.files[kClasses];
    dialog.classText = row.classText;
    ASSERT_TRUE(Confirm());
    EXPECT_EQ(fields.ClassLine, row.classLine);
    EXPECT_EQ(files.files[kClasses], row.added ? before + row.classText + "\r\n" : before) << row.classText;
    EXPECT_EQ(dialog.entries.back(), row.added ? row.classText : "[a4paper]{jsreport}");
  }
}

TEST_F(ConfirmTest, StoresPreambleAndTitleLinesAndFillsTheTemplate) {
  dialog.preamble = "\\usepackage{a}\r\n\\usepackage{b}";
  dialog.title = S("一行目\\\\二行目");
  ASSERT_TRUE(Confirm());
  EXPECT_EQ(files.files[kPreamble], "\\usepackage{a}\r\n\\usepackage{b}\r\n");
  EXPECT_EQ(files.files[kTitle], S("一行目\\\\二行目\r\n著者\r\n\\today\r\n"));
  EXPECT_EQ(fields.PreambleText, "\\usepackage{a}\r\n\\usepackage{b}");
  EXPECT_EQ(fields.TitleBlock, "");  // the title box is off

  dialog.showTitle = true;
  dialog.date = "";
  ASSERT_TRUE(Confirm());
  EXPECT_EQ(fields.TitleBlock, S("\r\\title{一行目\\\\二行目}\r\n\\author{著者}\r\n\\date{}\r\n\\maketitle"));
  EXPECT_EQ(files.files[kTitle], S("一行目\\\\二行目\r\n著者\r\n\r\n"));
  EXPECT_TRUE(prompts.log.empty());
}

TEST_F(ConfirmTest, WriteFailureStopsAtThatFileAndKeepsTheTemplate) {
  const struct {
    std::string unwritable;
    bool preambleWritten;
  } rows[] = {{kClasses, false}, {kPreamble, false}, {kTitle, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.unwritable);
    files.files[kPreamble] = "old";
    files.unwritable = {row.unwritable};
    dialog.classText = "{new}";
    dialog.preamble = "new";
    EXPECT_FALSE(Confirm());
    EXPECT_EQ(prompts.Take(), Lines{"error ファイル " + row.unwritable + " を作成できません"});
    EXPECT_EQ(files.files[kPreamble], row.preambleWritten ? "new\r\n" : "old");
    EXPECT_EQ(fields.ClassLine, "old class");
    EXPECT_EQ(fields.TitleBlock, "old title");
  }
  // OK again once the folder is writable stores the entry that failed before.
  files.unwritable.clear();
  files.files.erase(kClasses);
  dialog.entries = {"{jsarticle}"};
  dialog.classText = "{new}";
  files.unwritable = {kClasses};
  EXPECT_FALSE(Confirm());
  files.unwritable.clear();
  EXPECT_TRUE(Confirm());
  EXPECT_EQ(files.files[kClasses], "{jsarticle}\r\n{new}\r\n");
}

TEST_F(SetupTest, DeleteEntry) {
  const struct {
    int selected;
    Lines entries;
    std::string classText;
    bool written;
  } rows[] = {
      {0, {"{jsarticle}", "{jsbook}", "[a4paper]{jsreport}"}, "typed", false},
      {1, {"{jsarticle}", "[a4paper]{jsreport}"}, "{jsarticle}", true},
      {-1, {"{jsarticle}", "{jsbook}", "[a4paper]{jsreport}"}, "{jsarticle}", true},
  };
  for (const auto& row : rows) {
    DocumentSettings dialog = *settings.Load();
    const std::string before = files.files[kClasses];
    files.files[kClasses] = "unchanged";
    dialog.selected = row.selected;
    dialog.classText = "typed";
    DeleteSelectedEntry(dialog, settings);
    EXPECT_EQ(dialog.entries, row.entries) << row.selected;
    EXPECT_EQ(dialog.classText, row.classText) << row.selected;
    EXPECT_EQ(dialog.selected, row.written ? 0 : row.selected);
    EXPECT_EQ(files.files[kClasses], row.written ? JoinLines(row.entries) : "unchanged");
    files.files[kClasses] = before;
  }
  DocumentSettings empty;
  empty.classText = "typed";
  DeleteSelectedEntry(empty, settings);
  EXPECT_EQ(files.files[kClasses], "");
  EXPECT_EQ(empty.classText, "typed");
}

}  // namespace zumoku::test
