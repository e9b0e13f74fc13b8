// A paper of three files through the real tool chain: one Ctrl+T from a
// chapter typesets the root, an error in another file is reached from the
// error list, and SyncTeX goes between the PDF and the chapters.
#include <QPdfDocument>
#include <QProcess>
#include <QTest>

#include "app/typesetting/typeset_pdf_view.h"
#include "row_name.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

struct PaperCase {
  const char* name;
  const char* documentClass;
  std::string (*encode)(std::string_view utf8);
};

std::string Utf8(std::string_view text) { return std::string(text); }
std::string ShiftJis(std::string_view text) { return S(text); }

class PaperRun : public TypesetForm, public ::testing::WithParamInterface<PaperCase> {
 protected:
  QString Write(const char* name, const std::string& utf8) {
    return folder.Write(QString::fromUtf8(name), GetParam().encode(utf8));
  }
  void WritePaper(const std::string& chapter2) {
    Write("main.tex", std::string("\\documentclass{") + GetParam().documentClass +
                          "}\r\n\\begin{document}\r\n\\tableofcontents\r\n\\include{chap1}\r\n"
                          "\\input{sub/chap2}\r\n\\bibliographystyle{jplain}\r\n\\bibliography{refs}\r\n"
                          "\\end{document}\r\n");
    Write("sub/chap2.tex", chapter2);
    folder.Write(QStringLiteral("refs.bib"), kPaperBibliography);
  }
  QString PdfText() {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                  folder.Path(QStringLiteral("main.pdf")), QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
  }
};

const std::string kChapter1 =
    "% !TEX root = main.tex\r\n\\section{第一章}\r\n第一章の本文。文献\\cite{knuth}を引く。\r\n";

TEST_P(PaperRun, CtrlTFromAChapterTypesetsTheWholePaper) {
  WritePaper("\\section{第二章}\r\n第二章の本文。\r\n");
  const QString chapter1 = Write("chap1.tex", kChapter1);
  {
    ModalScript script({Choose(chapter1)});
    Trigger("Open1");
  }
  TypesetAndWait();
  ASSERT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット完了")))
      << form.StatusPanelText(0).toStdString();
  const QString text = PdfText();
  for (const char* part : {"目次", "第一章の本文", "第二章の本文", "[1]", "The TeXbook"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << " in: " << text.toStdString();
  }
  // From the caret in the chapter to the root's PDF, and back from a Ctrl+click.
  auto* view = form.findChild<PdfView*>(QStringLiteral("PdfView1"));
  form.memo1->GoToLine(2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view->Boxes().empty(); }, 5000));
  const typeset::PdfBox box = view->Boxes().front();
  {
    ModalScript reopen({Choose(folder.Path(QStringLiteral("main.tex")))});
    Trigger("Open1");
  }
  const QPointF at =
      view->PageRect(box.page).topLeft() + QPointF(box.x + 2, box.y + box.height / 2) * view->PageScale(box.page);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at.toPoint());
  EXPECT_EQ(form.CurrentFileName(), chapter1);
  EXPECT_EQ(form.memo1->CaretLine(), 2);
}

TEST_P(PaperRun, ErrorInAnotherFileIsReachedFromTheList) {
  WritePaper("\\section{第二章}\r\n第二章の本文。\r\n\r\n誤り\\undefinedcommand です。\r\n");
  const QString chapter1 = Write("chap1.tex", kChapter1);
  {
    ModalScript script({Choose(chapter1)});
    Trigger("Open1");
  }
  TypesetAndWait();
  auto* list = Child<QListWidget>("ErrorList1");
  const QList<QListWidgetItem*> errors = list->findItems(QStringLiteral("sub/chap2.tex:4:"), Qt::MatchContains);
  ASSERT_EQ(errors.size(), 1) << list->count() << " entries, the first: "
                              << (list->count() > 0 ? list->item(0)->text().toStdString() : "");
  emit list->itemActivated(errors.front());
  EXPECT_EQ(form.CurrentFileName(), folder.Path(QStringLiteral("sub/chap2.tex")));
  EXPECT_EQ(SelectedText(), QStringLiteral("誤り\\undefinedcommand です。"));
  Trigger("Back1");
  EXPECT_EQ(form.CurrentFileName(), chapter1);
}

INSTANTIATE_TEST_SUITE_P(Paper, PaperRun,
                         ::testing::Values(PaperCase{"ShiftJisPlatex", "jsarticle", ShiftJis},
                                           PaperCase{"Utf8Uplatex", "ujarticle", Utf8}),
                         RowName());

}  // namespace
}  // namespace zumoku::test
