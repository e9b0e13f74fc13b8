// The typesetting menu, toolbar button and docks, by their object names.
#include <QMenuBar>
#include <QPdfView>
#include <QTest>
#include <QThreadPool>
#include <QToolBar>

#include "typeset/log_parser_async.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

using TypesetWidgets = TypesetForm;

TEST_F(TypesetWidgets, MenuFollowsEditWithItsThreeEntries) {
  const QList<QAction*> menus = form.menuBar()->actions();
  const auto edit = std::find_if(menus.begin(), menus.end(), [this](QAction* a) { return a->menu() == form.findChild<QMenu*>("Edit1"); });
  ASSERT_LT(edit + 1, menus.end());
  EXPECT_EQ((*(edit + 1))->objectName(), QStringLiteral("TypesetMenu1"));
  EXPECT_EQ((*(edit + 1))->text(), QStringLiteral("タイプセット"));
  const QList<QAction*> items = Child<QMenu>("TypesetMenu1")->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->objectName(), QStringLiteral("Typeset1"));
  EXPECT_EQ(items[0]->text(), QStringLiteral("タイプセット"));
  EXPECT_EQ(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(items[1]->objectName(), QStringLiteral("StopTypeset1"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("停止"));
  EXPECT_EQ(items[2]->objectName(), QStringLiteral("OpenPdf1"));
  EXPECT_EQ(items[2]->text(), QStringLiteral("PDF を外部ビューアで開く"));
}

TEST_F(TypesetWidgets, ToolbarButtonHasADrawnImage) {
  auto* button = Child<QToolButton>("TypesetButton1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->parentWidget(), Child<QToolBar>("ToolBar1"));
  const QImage image = button->icon().pixmap(16, 16).toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_NE(image.pixelColor(12, 10).alpha(), 0);  // the arrow
}

TEST_F(TypesetWidgets, DocksWaitHiddenUntilTheFirstRun) {
  auto* log = Child<QDockWidget>("LogDock1");
  auto* pdf = Child<QDockWidget>("PdfDock1");
  EXPECT_FALSE(log->isVisible());
  EXPECT_FALSE(pdf->isVisible());
  EXPECT_EQ(form.dockWidgetArea(log), Qt::BottomDockWidgetArea);
  EXPECT_EQ(form.dockWidgetArea(pdf), Qt::RightDockWidgetArea);
  for (const char* name : {"LogMemo1", "ErrorList1", "PdfView1", "ZoomIn1", "ZoomOut1", "FitWidth1"}) {
    EXPECT_NE(form.findChild<QObject*>(QLatin1String(name)), nullptr) << name;
  }
}

TEST_F(TypesetWidgets, CancelledSaveOfANewDocumentTypesetsNothing) {
  form.Buffer().SetSelText("\\documentclass{jsarticle}");
  {
    ModalScript script({Cancel()});
    Trigger("Typeset1");
  }
  EXPECT_FALSE(Runner().IsRunning());
  EXPECT_FALSE(Child<QDockWidget>("LogDock1")->isVisible());
  EXPECT_TRUE(form.Buffer().Modified());
}

TEST_F(TypesetWidgets, OpenPdfWithoutARunSaysSo) {
  Trigger("OpenPdf1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("PDF がありません。先にタイプセットしてください"));
}

// A run restarted or stopped while the log of the run before is still being
// read: the older reading must not answer for the newer run.
TEST(AsyncLogParser, OnlyTheLatestRequestAnswers) {
  LatexFolder folder;
  typeset::AsyncLogParser parser;
  QSignalSpy parsed(&parser, &typeset::AsyncLogParser::parsed);
  parser.Parse(folder.Write(QStringLiteral("older.log"), "./doc.tex:1: Older.\n"), "doc.tex");
  parser.Parse(folder.Write(QStringLiteral("newer.log"), "./doc.tex:2: Newer.\n"), "doc.tex");
  ASSERT_TRUE(parsed.wait(5000));
  parser.Parse(folder.Path(QStringLiteral("older.log")), "doc.tex");
  parser.Cancel();
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();
  ASSERT_EQ(parsed.size(), 1);
  EXPECT_EQ(parsed[0][0].value<typeset::LogSummary>().entries.at(0).line, 2);
}

}  // namespace
}  // namespace zumoku::test
