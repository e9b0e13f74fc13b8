// The main window typesetting generated documents with the real tool chain.
#include <QPdfDocument>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "app/typesetting/typeset_pdf_view.h"
#include "row_name.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

using TypesetRun = TypesetForm;

// The PDF's text page by page, as pdftotext reads it.
QStringList PdfPages(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
}

TEST_F(TypesetRun, OneRunFinishesTheContentsTheCitationsAndTheIndex) {
  folder.Write(QStringLiteral("refs.bib"), kPaperBibliography);
  Open(QStringLiteral("論文.tex"), kPaperDocument);
  TypesetAndWait();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^タイプセット完了 \\(\\d+\\.\\d 秒\\)$"))
                  .match(form.StatusPanelText(0))
                  .hasMatch())
      << form.StatusPanelText(0).toStdString();
  const QStringList pages = PdfPages(folder.Path(QStringLiteral("論文.pdf")));
  ASSERT_EQ(pages.size(), 3) << "pdftotext (poppler-utils) read: " << pages.join(u'|').toStdString();
  EXPECT_TRUE(pages[0].contains(QStringLiteral("はじめに")) && pages[0].contains(QStringLiteral("おわりに")))
      << pages[0].toStdString();
  EXPECT_TRUE(pages[1].contains(QStringLiteral("文献 [1] を引く"))) << pages[1].toStdString();
  EXPECT_TRUE(pages[2].contains(QStringLiteral("索引語")) && pages[2].contains(QStringLiteral("終わり")))
      << pages[2].toStdString();
  const QString output = Child<QPlainTextEdit>("LogMemo1")->toPlainText();
  for (const char* step : {"> pbibtex ", "> mendex ", "> dvipdfmx "}) {
    EXPECT_TRUE(output.contains(QLatin1String(step))) << step;
  }
}

struct StatusCase {
  const char* name;
  std::string document;
  const char* status;      // a pattern for panel 0
  const char* firstEntry;  // and for the error list's first entry
};

class TypesetStatus : public TypesetForm, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(TypesetStatus, Panel0TellsHowTheRunEnded) {
  Open(QStringLiteral("doc.tex"), GetParam().document);
  TypesetAndWait();
  const QRegularExpression status(QString::fromUtf8(GetParam().status));
  EXPECT_TRUE(status.match(form.StatusPanelText(0)).hasMatch()) << form.StatusPanelText(0).toStdString();
  auto* list = Child<QListWidget>("ErrorList1");
  ASSERT_GE(list->count(), 1);
  EXPECT_TRUE(QRegularExpression(QString::fromUtf8(GetParam().firstEntry)).match(list->item(0)->text()).hasMatch())
      << list->item(0)->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Run, TypesetStatus,
    ::testing::Values(
        StatusCase{"UndefinedReference",
                   "\\documentclass{jsarticle}\r\n\\begin{document}\r\nsee \\ref{nowhere}\r\n\\end{document}\r\n",
                   "^タイプセット完了、未定義の参照 1 件 \\(\\d+\\.\\d 秒\\)$",
                   "^\\[警告\\] doc.tex:3: LaTeX Warning: Reference `nowhere'"},
        StatusCase{"MissingBibliographyDatabase",
                   "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\cite{knuth}\r\n\\bibliographystyle{jplain}\r\n"
                   "\\bibliography{missing}\r\n\\end{document}\r\n",
                   "^タイプセット失敗: pbibtex: I couldn't open database file missing.bib$",
                   "^\\[エラー\\] doc.aux:\\d+: I couldn't open database file missing.bib$"},
        StatusCase{"IndexWordWithoutReading",
                   S("\\documentclass{jsarticle}\r\n\\usepackage{makeidx}\r\n\\makeindex\r\n\\begin{document}\r\n"
                     "本文\\index{論文}\r\n\\printindex\r\n\\end{document}\r\n"),
                   "^タイプセット失敗: mendex: 論文 is no entry in dictionary file$",
                   "^\\[エラー\\] doc.idx:1: 論文 is no entry in dictionary file$"}),
    RowName());

TEST_F(TypesetRun, ErrorEntrySelectsItsLineAndTheDocumentStaysAsItWas) {
  const QString path = Open(QStringLiteral("誤り.tex"), kErrorDocument);
  TypesetAndWait();
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("タイプセット失敗: エラー 1 件"));
  auto* list = Child<QListWidget>("ErrorList1");
  ASSERT_GE(list->count(), 1);
  EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("誤り.tex:4:"))) << list->item(0)->text().toStdString();
  const QRect item = list->visualItemRect(list->item(0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(SelectedText(), QStringLiteral("誤り\\undefinedcommand です。"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), kErrorDocument);
}

TEST_F(TypesetRun, PdfShowsAndAReloadKeepsZoomAndPlace) {
  Open(QStringLiteral("doc.tex"), kGoodDocument);
  TypesetAndWait();
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット完了")))
      << form.StatusPanelText(0).toStdString();
  auto* view = Child<QPdfView>("PdfView1");
  ASSERT_EQ(view->document()->pageCount(), 2);
  Child<QAction>("ZoomOut1")->trigger();
  const qreal out = view->zoomFactor();
  Child<QAction>("FitWidth1")->trigger();
  EXPECT_EQ(view->zoomMode(), QPdfView::ZoomMode::FitToWidth);
  Child<QAction>("ZoomIn1")->trigger();
  Child<QAction>("ZoomIn1")->trigger();
  const qreal zoom = view->zoomFactor();
  EXPECT_NEAR(zoom, out * 1.25 * 1.25 * 1.25, 0.01);  // zoom goes on from the width shown
  view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
  const int place = view->verticalScrollBar()->value();
  ASSERT_GT(place, 0);
  TypesetAndWait();
  EXPECT_EQ(view->zoomMode(), QPdfView::ZoomMode::Custom);
  EXPECT_EQ(view->zoomFactor(), zoom);
  EXPECT_EQ(view->verticalScrollBar()->value(), place);
}

TEST_F(TypesetRun, ADocumentFileRemovedMeanwhileIsSavedAgainFirst) {
  const QString path = Open(QStringLiteral("doc.tex"), kGoodDocument);
  ASSERT_TRUE(QFile::remove(path));
  TypesetAndWait();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), kGoodDocument);
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット完了")));
}

TEST_F(TypesetRun, FailedRunKeepsTheLastGoodPdfWhichOpensOutside) {
  Open(QStringLiteral("doc.tex"), kGoodDocument);
  TypesetAndWait();
  {
    const FakeXdgOpen viewer(0);
    Trigger("OpenPdf1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer.Opened().isEmpty(); }, 10000));
    EXPECT_EQ(viewer.Opened(), folder.Path(QStringLiteral("doc.pdf")));
  }
  form.Buffer().SetSelText("\\undefinedcommand");
  TypesetAndWait();
  EXPECT_EQ(Child<QPdfView>("PdfView1")->document()->pageCount(), 2);
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット失敗")));
}

TEST_F(TypesetRun, CaretLineIsHighlightedAndCtrlClickFindsTheLine) {
  Open(QStringLiteral("同期.tex"), kGoodDocument);
  TypesetAndWait();
  auto* view = form.findChild<PdfView*>(QStringLiteral("PdfView1"));
  form.memo1->GoToLine(4);  // line 5, page 2
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view->Boxes().empty() && view->Boxes().front().page == 1; }, 5000));
  const typeset::PdfBox box = view->Boxes().front();
  const QRect page = view->PageRect(box.page);
  ASSERT_TRUE(view->viewport()->rect().intersects(page));  // scrolled into view
  form.memo1->SetCaretOffset(0);                           // \documentclass, which prints nothing
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->Boxes().empty(); }, 5000));
  const QPointF at = page.topLeft() + QPointF(box.x + 2, box.y + box.height / 2) * view->PageScale(box.page);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at.toPoint());
  ASSERT_FALSE(view->Boxes().empty());  // the clicked line's, at once
  EXPECT_EQ(view->Boxes().front().page, 1);
  EXPECT_EQ(form.memo1->CaretLine(), 4);
  EXPECT_EQ(SelectedText(), QStringLiteral("二ページ目。"));
}

TEST_F(TypesetRun, PdfPlaceFromTheMenuShowsTheCaretLineOrSaysItPrintsNothing) {
  Open(QStringLiteral("doc.tex"), kGoodDocument);
  TypesetAndWait();
  auto* view = form.findChild<PdfView*>(QStringLiteral("PdfView1"));
  view->verticalScrollBar()->setValue(0);
  form.memo1->GoToLine(4);  // line 5, page 2
  QApplication::setActiveWindow(&form);
  QTest::keyClick(form.memo1, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_FALSE(view->Boxes().empty());  // at once, not when the caret settles
  EXPECT_EQ(view->Boxes().front().page, 1);
  EXPECT_TRUE(view->viewport()->rect().intersects(view->PageRect(1)));
  form.memo1->SetCaretOffset(0);
  Trigger("SyncToPdf1");
  EXPECT_TRUE(view->Boxes().empty());
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("この行は PDF に何も出力していません"));
}

TEST_F(TypesetRun, SecondCtrlTRestartsAndStopSaysSo) {
  Open(QStringLiteral("loop.tex"), kEndlessDocument);
  QApplication::setActiveWindow(&form);
  QTest::keyClick(form.memo1, Qt::Key_T, Qt::ControlModifier);
  ASSERT_TRUE(Runner().IsRunning());
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("platex 実行中")))
      << form.StatusPanelText(0).toStdString();
  QSignalSpy finished(&Runner(), &typeset::TypesetRunner::finished);
  QTest::keyClick(form.memo1, Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(Runner().IsRunning());
  EXPECT_TRUE(finished.isEmpty());  // restarted, not ended
  Trigger("StopTypeset1");
  EXPECT_FALSE(Runner().IsRunning());
  EXPECT_EQ(finished.size(), 1);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("タイプセットを停止しました"));
}

struct ViewerCase {
  const char* name;
  bool pdfExists;
  std::optional<int> xdgOpenExit;  // none: no xdg-open on the PATH
  const char* status;
};

class OpenPdfOutside : public TypesetForm, public ::testing::WithParamInterface<ViewerCase> {};

TEST_P(OpenPdfOutside, SaysWhyNothingOpens) {
  Open(QStringLiteral("doc.tex"), kGoodDocument);
  if (GetParam().pdfExists) folder.Write(QStringLiteral("doc.pdf"), "%PDF-1.5\n");
  const FakeXdgOpen viewer(GetParam().xdgOpenExit);
  Trigger("OpenPdf1");
  const QString status = QString::fromUtf8(GetParam().status);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.StatusPanelText(0) == status; }, 10000))
      << form.StatusPanelText(0).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, OpenPdfOutside,
    ::testing::Values(ViewerCase{"NoPdfYet", false, 0, "PDF がありません。先にタイプセットしてください"},
                      ViewerCase{"NoViewerInstalled", true, 3, "PDF を開くビューアが見つかりません"},
                      ViewerCase{"NoXdgOpen", true, std::nullopt, "PDF を開くビューアが見つかりません"},
                      ViewerCase{"ViewerFailed", true, 4,
                                 "外部ビューアで PDF を開けませんでした (xdg-open: 終了コード 4)"}),
    RowName());

}  // namespace
}  // namespace zumoku::test
