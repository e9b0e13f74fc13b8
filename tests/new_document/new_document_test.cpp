#include "new_document/new_document.h"
#include "buffer/text_buffer.h"
#include "documents/document.h"
#include "new_document_fixture.h"

namespace zumoku::test {

using Lines = std::vector<std::string>;

class NewTest : public SetupTest {
 protected:
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
  Document document{buffer, files, prompts};
  NewDocumentTemplate fields;
  int dialogs = 0;

  // New with a dialog that applies `edit` to what it shows and presses OK.
  void New(const std::function<void(DocumentSettings&)>& edit = {}) {
    NewDocument(document, buffer, settings, fields, [&](const DocumentSettings& loaded) {
      ++dialogs;
      DocumentSettings shown = loaded;
      if (edit) edit(shown);
      EXPECT_TRUE(ConfirmSettings(shown, settings, fields));
    });
  }
  void Typed(std::string_view s) {
    buffer.Type(s);
    ASSERT_TRUE(buffer.Modified());
  }
};

TEST_F(NewTest, TemplateLineByLine) {
  const struct {
    std::string preamble;
    bool title;
    std::string text;
  } rows[] = {
      {"\\usepackage{amsmath}\r\n", true,
       "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\r\n\\begin{document}\r\n\r\n\\title{T}\r\n"
       "\\author{A}\r\n\\date{D}\r\n\\maketitle\r\n\r\n\r\n\\end{document}\r\n"},
      {"\\usepackage{amsmath}\r\n", false,
       "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\r\n\\begin{document}\r\n\r\n\r\n\\end{document}\r\n"},
      {"", false, "\\documentclass{jsarticle}\r\n\r\n\\begin{document}\r\n\r\n\r\n\\end{document}\r\n"},
  };
  for (const auto& row : rows) {
    New([&](DocumentSettings& shown) {
      shown.preamble = row.preamble;
      shown.showTitle = row.title;
      std::tie(shown.title, shown.author, shown.date) = std::tuple("T", "A", "D");
    });
    EXPECT_EQ(buffer.Text(), row.text);
    EXPECT_EQ(buffer.SelStart(), static_cast<int>(row.text.size()));
    EXPECT_EQ(buffer.SelLength(), 0);
  }
}

TEST_F(NewTest, NamesTheNewDocumentAndClearsModified) {
  files.files["/a.tex"] = "old";
  prompts.choices = {std::string("/a.tex")};
  document.Open();
  prompts.Take();
  New();
  EXPECT_EQ(prompts.Take(), (Lines{"caption Zumoku - NEW_File.tex", "save1 off"}));
  EXPECT_EQ(document.CurrentFileName(), "NEW_File.tex");
  EXPECT_FALSE(buffer.Modified());
  prompts.choices = {std::nullopt};
  document.Save();  // disabled: runs Save As, preset to the new name
  EXPECT_EQ(prompts.log.front(), "save NEW_File.tex");
}

TEST_F(NewTest, BeforeTheDialogIsConfirmedTheTextStartsWithTwoEmptyLines) {
  NewDocument(document, buffer, settings, fields, [](const DocumentSettings&) {});
  EXPECT_EQ(buffer.Text(), "\r\n\r\n\\begin{document}\r\n\r\n\r\n\\end{document}\r\n");
}

TEST_F(NewTest, SecondNewGivesTheSecondTemplate) {
  New([](DocumentSettings& shown) { shown.classText = "{jsbook}"; });
  Typed("x");
  prompts.answers = {Answer::kNo};
  New([](DocumentSettings& shown) {
    shown.classText = "[titlepage]{jsreport}";
    shown.preamble = "";
  });
  EXPECT_EQ(buffer.Text(),
            "\\documentclass[titlepage]{jsreport}\r\n\r\n\\begin{document}\r\n\r\n\r\n\\end{document}\r\n");
  EXPECT_EQ(fields.ClassLine, "\\documentclass[titlepage]{jsreport}");
}

TEST_F(NewTest, UnreadableSettingsLeaveTheEditorAsItWas) {
  Typed("kept");
  files.files[kTitle] = "t\r\na\r\n";
  prompts.answers = {Answer::kNo};
  New();
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(prompts.Take(), (Lines{"ask+cancel " + std::string("は更新されています。保存しますか？"),
                                   "error リストのインデックスが範囲を超えています (2)"}));
  EXPECT_EQ(buffer.Text(), "kept");
  EXPECT_TRUE(buffer.Modified());
  EXPECT_EQ(document.CurrentFileName(), "");
}

TEST_F(NewTest, UnsavedChangesAreAskedAboutFirst) {
  const struct {
    Answer answer;
    std::optional<std::string> saveAs;
    bool replaced;
  } rows[] = {
      {Answer::kNo, std::nullopt, true},
      {Answer::kClosed, std::nullopt, false},
      {Answer::kYes, std::nullopt, false},  // the Save dialog cancelled
      {Answer::kYes, "/saved.tex", true},
  };
  for (const auto& row : rows) {
    buffer.Clear();
    Typed("work");
    prompts.answers = {row.answer};
    if (row.answer == Answer::kYes) prompts.choices = {row.saveAs};
    New();
    EXPECT_EQ(dialogs > 0, row.replaced);
    EXPECT_EQ(buffer.Text() != "work", row.replaced);
    if (row.saveAs) {
      EXPECT_EQ(files.files[*row.saveAs], "work");
    }
    dialogs = 0;
    prompts.Take();
  }
  New();  // unchanged: no question
  EXPECT_EQ(dialogs, 1);
}

}  // namespace zumoku::test
