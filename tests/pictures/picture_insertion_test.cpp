#include "pictures/picture_insertion.h"

#include <gtest/gtest.h>

#include "document_fixture.h"
#include "pictures/figure_block.h"

namespace zumoku::test {

namespace {
const std::string kClass = "\\documentclass{jsarticle}\r\n";
const std::string kGraphicx = "\\usepackage[dvipdfmx]{graphicx}\r\n";
const std::string kBegin = "\\begin{document}\r\n";
const std::string kEnd = "\\end{document}\r\n";
const std::string kPng = "\x89PNG\r\n\x1a\n-picture-";
const std::string kNoPackage = "status graphicxパッケージが必要です";

struct FakePictureSource : pictures::PictureSource {
  std::optional<std::string> png;
  std::optional<std::string> choice;
  std::vector<std::string> dialogFolders;
  std::optional<std::string> ClipboardPng() override { return png; }
  std::optional<std::string> ChoosePicture(const std::string& folder) override {
    dialogFolders.push_back(folder);
    return choice;
  }
};

std::string Block(std::string_view path, std::string_view caption = "", std::string_view label = "fig:fig1") {
  return pictures::FigureBlock(path, caption, label);
}
}  // namespace

class PictureInsertionTest : public DocumentTest {
 protected:
  FakePictureSource source;
  pictures::PictureInsertion insertion{buffer, document, files, prompts, source};

  // `marked` is before + "<" + selection + ">" + after.
  void OpenSelected(const std::string& path, const std::string& marked) {
    const std::size_t open = marked.find('<'), close = marked.find('>');
    OpenFile(path, marked.substr(0, open) + marked.substr(open + 1, close - open - 1) + marked.substr(close + 1));
    buffer.SetSelStart(static_cast<int>(open));
    buffer.SetSelLength(static_cast<int>(close - open - 1));
  }
  // The text with "|" where the caret stands.
  std::string TextWithCaret() { return std::string(buffer.Text()).insert(buffer.SelStart(), "|"); }
};

TEST_F(PictureInsertionTest, ClipboardImageIsSavedBesideTheDocument) {
  OpenSelected("/d/doc.tex", kClass + kBegin + S("<猫>\r\n") + kEnd);
  source.png = kPng;
  insertion.Run();
  EXPECT_EQ(files.files["/d/fig1.png"], kPng);
  EXPECT_EQ(TextWithCaret(), kClass + kGraphicx + kBegin +
                                 S("\\begin{figure}[htbp]\r\n"
                                   "  \\centering\r\n"
                                   "  \\includegraphics[width=0.8\\linewidth]{fig1.png}\r\n"
                                   "  \\caption{猫}\r\n"
                                   "  \\label{fig:fig1}\r\n"
                                   "\\end{figure}|\r\n") +
                                 kEnd);
  EXPECT_EQ(prompts.Take(), Log{"status 画像を fig1.png に保存しました"});
  EXPECT_TRUE(buffer.Modified());
}

TEST_F(PictureInsertionTest, DocumentWithoutFileIsSavedFirst) {
  buffer.SetSelText(kClass + kBegin + kEnd);
  source.png = kPng;
  prompts.choices = {std::nullopt, "/d/new.tex"};
  insertion.Run();  // the Save dialog cancelled
  EXPECT_EQ(buffer.Text(), kClass + kBegin + kEnd);
  EXPECT_TRUE(files.files.empty());

  insertion.Run();
  EXPECT_EQ(files.files["/d/new.tex"], kClass + kBegin + kEnd);
  EXPECT_EQ(files.files["/d/fig1.png"], kPng);
  EXPECT_NE(buffer.Text().find("{fig1.png}"), std::string::npos);
}

TEST_F(PictureInsertionTest, DroppedDocumentHasItsFolder) {
  files.files["/d/dropped.tex"] = kClass + kBegin + kEnd;
  const std::string dropped[] = {"/d/dropped.tex"};
  document.DropFiles(dropped);  // "上書き保存" stays disabled
  source.png = kPng;
  insertion.Run();
  EXPECT_EQ(files.files["/d/fig1.png"], kPng);
  EXPECT_EQ(prompts.Take().back(), "status 画像を fig1.png に保存しました");
}

TEST_F(PictureInsertionTest, UnwritablePictureChangesNothing) {
  OpenSelected("/d/doc.tex", kClass + kBegin + "<>" + kEnd);
  files.unwritable = {"/d/fig1.png"};
  source.png = kPng;
  insertion.Run();
  EXPECT_EQ(prompts.Take(), Log{"error 画像ファイル /d/fig1.png を保存できません"});
  EXPECT_EQ(buffer.Text(), kClass + kBegin + kEnd);
  EXPECT_FALSE(buffer.Modified());
}

TEST_F(PictureInsertionTest, ChosenPictures) {
  const std::string kUnreadable =
      " は挿入できません。空白、%、#、{、}、'、\"、\\ や日本語などの全角文字を含む名前は、"
      "LaTeXで読み込めません。ファイル名を半角英数字にして、文書と同じフォルダーに置いてください";
  const std::string kOwnPdf = " はこの文書をタイプセットして作るPDFなので、画像として挿入できません";
  const std::string kMixedCase =
      " は挿入できません。拡張子に大文字と小文字が混ざっていると、LaTeXは画像の種類を判別できません。"
      "拡張子をすべて小文字（.png など）にしてください";
  struct Row {
    std::string document;  // "" for a document without a file
    std::optional<std::string> choice;
    std::string texPath;  // "" when nothing is inserted
    Log log;
  };
  const Row rows[] = {
      {"/d/doc.tex", "/d/img/a.png", "img/a.png", {}},
      {"/d/doc.tex", "/e/a.png", "/e/a.png", {}},
      {"", "/d/a.PNG", "/d/a.PNG", {}},
      {"/d/doc.tex", std::nullopt, "", {}},
      {"/d/doc.tex", "/d/a b.png", "", {"error 画像 a b.png" + kUnreadable}},
      {"/d/doc.tex", "/e/図/a.png", "", {"error 画像 /e/図/a.png" + kUnreadable}},
      {"/d/doc.tex", "/d/a.gif", "", {"error ファイル /d/a.gif はPNG、JPEG、PDF、EPSの画像ではありません"}},
      {"/d/doc.tex", "/d/gone.png", "", {"error ファイル /d/gone.png は開けません"}},
      {"/d/doc.tex", "/d/fifo.png", "", {"error ファイル /d/fifo.png は開けません"}},
      // Typesetting writes over the document's own PDF while reading it.
      {"/d/doc.tex", "/d/doc.pdf", "", {"error ファイル /d/doc.pdf" + kOwnPdf}},
      {"/d/my.doc.tex", "/d/my.doc.pdf", "", {"error ファイル /d/my.doc.pdf" + kOwnPdf}},
      {"/d/doc.tex", "/d/doc.tex.pdf", "doc.tex.pdf", {}},
      {"/d/doc.tex", "/d/a.Png", "", {"error 画像 a.Png" + kMixedCase}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice.value_or("cancelled"));
    const std::string text = kClass + kBegin + kEnd;
    files.files = {{"/d/img/a.png", ""},   {"/e/a.png", ""}, {"/d/a.PNG", ""},   {"/d/a b.png", ""},
                   {"/e/図/a.png", ""},    {"/d/a.gif", ""}, {"/d/doc.pdf", ""}, {"/d/my.doc.pdf", ""},
                   {"/d/doc.tex.pdf", ""}, {"/d/a.Png", ""}};
    files.special = {"/d/fifo.png"};
    buffer.SetModified(false);
    if (row.document.empty()) {
      document.AdoptNewDocument();
      buffer.Load(text, Encoding::kShiftJis);
      prompts.Take();
    } else {
      OpenFile(row.document, text);
    }
    buffer.SetSelStart(static_cast<int>((kClass + kBegin).size()));
    source.choice = row.choice;
    source.dialogFolders.clear();
    insertion.Run();
    EXPECT_EQ(source.dialogFolders, std::vector<std::string>{row.document.empty() ? "" : "/d/"});
    EXPECT_EQ(prompts.Take(), row.log);
    const std::string expected =
        row.texPath.empty()
            ? text
            : kClass + kGraphicx + kBegin + Block(row.texPath, "", pictures::FigureLabel(row.texPath)) + "\r\n" + kEnd;
    EXPECT_EQ(buffer.Text(), expected);
  }
}

TEST_F(PictureInsertionTest, FigureStandsOnLinesOfItsOwn) {
  const std::string head = kClass + kBegin;
  const std::string top = kClass + kGraphicx + kBegin;
  const std::string block = Block("fig1.png");
  struct Row {
    std::string marked, expected;
  };
  const Row rows[] = {
      {head + "ab<>cd", top + "ab\r\n" + block + "\r\n|cd"},
      {head + "ab\r\n<>cd", top + "ab\r\n" + block + "\r\n|cd"},
      {head + "ab<>\r\ncd", top + "ab\r\n" + block + "|\r\ncd"},
      {head + "ab<>", top + "ab\r\n" + block + "|"},
      {head + "<cap\r\n>cd", top + Block("fig1.png", "cap") + "\r\n|cd"},
      {head + "a<cap>b", top + "a\r\n" + Block("fig1.png", "cap") + "\r\n|b"},
      // Outside a preamble no package line can go in; the figure still does.
      {"ab<>", "ab\r\n" + block + "|"},
  };
  source.png = kPng;
  for (const Row& row : rows) {
    buffer.SetModified(false);
    OpenSelected("/d/doc.tex", row.marked);
    insertion.Run();
    EXPECT_EQ(TextWithCaret(), row.expected) << row.marked;
    files.files.clear();
  }
  EXPECT_EQ(prompts.Take().back(), kNoPackage);
}

TEST_F(PictureInsertionTest, GraphicxIsLoadedOnce) {
  const std::string rows[] = {
      "\\usepackage{graphicx}\r\n",
      "\\usepackage{amsmath,graphicx}\r\n",
      "\\usepackage[draft]{graphicx}\r\n",
  };
  source.png = kPng;
  for (const std::string& loaded : rows) {
    buffer.SetModified(false);
    OpenSelected("/d/doc.tex", kClass + loaded + kBegin + "<>" + kEnd);
    insertion.Run();
    EXPECT_EQ(buffer.Text(), kClass + loaded + kBegin + Block("fig1.png") + "\r\n" + kEnd) << loaded;
    files.files.clear();
  }
  // A commented line loads nothing.
  buffer.SetModified(false);
  OpenSelected("/d/doc.tex", kClass + "%" + kGraphicx + kBegin + "<>" + kEnd);
  insertion.Run();
  EXPECT_EQ(buffer.Text(), kClass + kGraphicx + "%" + kGraphicx + kBegin + Block("fig1.png") + "\r\n" + kEnd);
}

}  // namespace zumoku::test
