// The main window typesetting generated documents with the real tool chain.
#include <QPdfDocument>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

#include "desktop_state.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

using TypesetRun = TypesetForm;

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
  EXPECT_EQ(form.memo1->textCursor().selectedText(), QStringLiteral("誤り\\undefinedcommand です。"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), kErrorDocument);
}

TEST_F(TypesetRun, PdfShowsAndAReloadKeepsZoomAndPlace) {
  Open(QStringLiteral("doc.tex"), kGoodDocument);
  TypesetAndWait();
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット完了"))) << form.StatusPanelText(0).toStdString();
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
  UrlCatcher desktop(QStringLiteral("file"));
  Trigger("OpenPdf1");
  EXPECT_EQ(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(folder.Path(QStringLiteral("doc.pdf")))});
  form.Buffer().SetSelText("\\undefinedcommand");
  TypesetAndWait();
  EXPECT_EQ(Child<QPdfView>("PdfView1")->document()->pageCount(), 2);
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("タイプセット失敗")));
}

TEST_F(TypesetRun, CaretLineIsHighlightedAndCtrlClickFindsTheLine) {
  Open(QStringLiteral("同期.tex"), kGoodDocument);
  TypesetAndWait();
  auto* view = form.findChild<PdfView*>(QStringLiteral("PdfView1"));
  QTextCursor cursor(form.memo1->document()->findBlockByNumber(4));  // line 5, page 2
  form.memo1->setTextCursor(cursor);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view->Boxes().empty() && view->Boxes().front().page == 1; }, 5000));
  const typeset::PdfBox box = view->Boxes().front();
  const QRect page = view->PageRect(box.page);
  ASSERT_TRUE(view->viewport()->rect().intersects(page));  // scrolled into view
  form.memo1->moveCursor(QTextCursor::Start);
  const QPointF at = page.topLeft() + QPointF(box.x + 2, box.y + box.height / 2) * view->PageScale(box.page);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at.toPoint());
  EXPECT_EQ(form.memo1->textCursor().blockNumber(), 4);
  EXPECT_EQ(form.memo1->textCursor().selectedText(), QStringLiteral("二ページ目。"));
}

TEST_F(TypesetRun, SecondCtrlTRestartsAndStopSaysSo) {
  Open(QStringLiteral("loop.tex"), kEndlessDocument);
  QApplication::setActiveWindow(&form);
  QTest::keyClick(form.memo1, Qt::Key_T, Qt::ControlModifier);
  ASSERT_TRUE(Runner().IsRunning());
  EXPECT_TRUE(form.StatusPanelText(0).startsWith(QStringLiteral("platex 実行中"))) << form.StatusPanelText(0).toStdString();
  QSignalSpy finished(&Runner(), &typeset::TypesetRunner::finished);
  QTest::keyClick(form.memo1, Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(Runner().IsRunning());
  EXPECT_TRUE(finished.isEmpty());  // restarted, not ended
  Trigger("StopTypeset1");
  EXPECT_FALSE(Runner().IsRunning());
  EXPECT_EQ(finished.size(), 1);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("タイプセットを停止しました"));
}

}  // namespace
}  // namespace zumoku::test

