// The typesetting menu, toolbar button and docks, by their object names.
#include <QMenuBar>
#include <QPainter>
#include <QPdfView>
#include <QPdfWriter>
#include <QTest>
#include <QThreadPool>
#include <QToolBar>
#include <filesystem>

#include "app/typesetting/typeset_log_panel.h"
#include "app/typesetting/typeset_pdf_panel.h"
#include "row_name.h"
#include "settings_folder_fixture.h"
#include "typeset/log_parser_async.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

using TypesetWidgets = TypesetForm;

// A blank one-page PDF.
QString WritePdf(LatexFolder& folder, const QString& name) {
  QPdfWriter writer(folder.Path(name));
  QPainter(&writer).end();
  return folder.Path(name);
}

TEST_F(TypesetWidgets, MenuFollowsEditWithItsEntries) {
  const QList<QAction*> menus = form.menuBar()->actions();
  const auto edit = std::find_if(menus.begin(), menus.end(),
                                 [this](QAction* a) { return a->menu() == form.findChild<QMenu*>("Edit1"); });
  ASSERT_LT(edit + 1, menus.end());
  EXPECT_EQ((*(edit + 1))->objectName(), QStringLiteral("TypesetMenu1"));
  EXPECT_EQ((*(edit + 1))->text(), QStringLiteral("タイプセット(&T)"));
  const QList<QAction*> items = Child<QMenu>("TypesetMenu1")->actions();
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(items[0]->objectName(), QStringLiteral("Typeset1"));
  EXPECT_EQ(items[0]->text(), QStringLiteral("タイプセット"));
  EXPECT_EQ(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(items[1]->objectName(), QStringLiteral("StopTypeset1"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("停止"));
  EXPECT_EQ(items[2]->objectName(), QStringLiteral("OpenPdf1"));
  EXPECT_EQ(items[2]->text(), QStringLiteral("PDF を外部ビューアで開く"));
  EXPECT_EQ(items[3]->objectName(), QStringLiteral("SyncToPdf1"));
  EXPECT_EQ(items[3]->text(), QStringLiteral("PDF の対応箇所へ"));
  EXPECT_EQ(items[3]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  EXPECT_EQ(items[6]->text(), QStringLiteral("親ファイルを設定..."));
  EXPECT_EQ(items[7]->text(), QStringLiteral("親ファイルを解除"));
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

TEST_F(TypesetWidgets, PdfPlaceWithoutARunSaysSo) {
  Trigger("SyncToPdf1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("PDF がありません。先にタイプセットしてください"));
}

TEST_F(TypesetWidgets, OpenPdfWithoutARunSaysSo) {
  Trigger("OpenPdf1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("PDF がありません。先にタイプセットしてください"));
}

TEST(PdfHighlight, OverlappingBoxesOfALineAreFilledOnce) {
  LatexFolder folder;
  PdfPanel panel;
  panel.resize(500, 700);
  panel.show();
  ASSERT_TRUE(panel.Load(WritePdf(folder, QStringLiteral("blank.pdf"))));
  // A matrix line: twenty symbols' boxes overlapping, and one box alone.
  std::vector<typeset::PdfBox> boxes;
  for (int i = 0; i < 20; ++i) boxes.push_back({0, 100.0 + 3 * i, 100, 20, 20});
  boxes.push_back({0, 100, 200, 20, 20});
  panel.View()->ShowBoxes(boxes, false);
  const QImage shot = panel.View()->viewport()->grab().toImage();
  const QRect page = panel.View()->PageRect(0);
  auto pixel = [&](double x, double y) {
    return shot.pixelColor((page.topLeft() + QPointF(x, y) * panel.View()->PageScale(0)).toPoint());
  };
  EXPECT_EQ(pixel(140, 110), pixel(110, 210));  // where seven overlap, under the one alone
  EXPECT_NE(pixel(110, 210), pixel(110, 300));  // highlighted, plain page
}

// What the panels show after A was typeset, once B took the window.
enum class Replace { kOpen, kDrop, kNew };

struct ReplaceCase {
  const char* name;
  Replace how;
  int pdfAgeSeconds;  // B's PDF against B; 0 for none
  int pagesShown;
};

// Its own window: New needs settings files.
class DocumentReplaced : public SettingsFolderTest, public ::testing::WithParamInterface<ReplaceCase> {
 protected:
  DocumentReplaced() { form.show(); }

  void OpenFile(const QString& path) {
    ModalScript script({Choose(path)});
    form.findChild<QAction*>(QStringLiteral("Open1"))->trigger();
  }
  void ReplaceWith(const QString& b) {
    switch (GetParam().how) {
      case Replace::kOpen:
        OpenFile(b);
        break;
      case Replace::kDrop:
        form.DropFiles({b});
        break;
      case Replace::kNew: {
        ModalScript script({Accept()});  // the document settings dialog
        form.N2Click();
        break;
      }
    }
  }

  TForm1 form{TForm1::StartUp{.settingsFolder = Folder()}};
  Typesetting& typesetting = *form.findChild<Typesetting*>();
  LatexFolder files;
};

TEST_P(DocumentReplaced, PanelsDropTheOldDocument) {
  OpenFile(files.Write(QStringLiteral("a.tex"), kErrorDocument));
  typeset::RunResult a;
  a.outcome = typeset::Outcome::kSucceeded;
  a.pdfPath = WritePdf(files, QStringLiteral("a.pdf"));
  a.log.entries = {{typeset::EntryKind::kError, 4, true, "Undefined control sequence."}};
  emit typesetting.Runner().finished(a);
  auto* errors = form.findChild<QListWidget*>(QStringLiteral("ErrorList1"));
  QPdfDocument* pdf = form.findChild<PdfPanel*>()->Document();
  ASSERT_EQ(errors->count(), 1);
  ASSERT_EQ(pdf->pageCount(), 1);

  const QString b = files.Write(QStringLiteral("b.tex"), kGoodDocument);
  if (GetParam().pdfAgeSeconds != 0) {
    const std::filesystem::path bPdf = WritePdf(files, QStringLiteral("b.pdf")).toStdString();
    std::filesystem::last_write_time(
        bPdf, std::filesystem::last_write_time(b.toStdString()) + std::chrono::seconds(GetParam().pdfAgeSeconds));
  }
  ReplaceWith(b);
  EXPECT_EQ(errors->count(), 0);
  EXPECT_EQ(pdf->pageCount(), GetParam().pagesShown);
}

INSTANTIATE_TEST_SUITE_P(Typeset, DocumentReplaced,
                         ::testing::Values(ReplaceCase{"Opened", Replace::kOpen, 0, 0},
                                           ReplaceCase{"OpenedWithItsNewerPdf", Replace::kOpen, 60, 1},
                                           ReplaceCase{"DroppedWithAnOlderPdf", Replace::kDrop, -60, 0},
                                           ReplaceCase{"DroppedWithItsNewerPdf", Replace::kDrop, 60, 1},
                                           ReplaceCase{"New", Replace::kNew, 0, 0}),
                         RowName());

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

struct EntryCase {
  const char* name;
  std::string message;  // as the log holds it
  Encoding encoding;
};

class LogEntryText : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LogEntryText, IsDecodedInTheDocumentsEncoding) {
  LogPanel panel;
  panel.ShowEntries({{{typeset::EntryKind::kError, 4, true, GetParam().message}}, false}, QStringLiteral("doc.tex"),
                    GetParam().encoding);
  const auto* list = panel.findChild<QListWidget*>(QStringLiteral("ErrorList1"));
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("[エラー] doc.tex:4: 環境 表 は未定義です"));
}

INSTANTIATE_TEST_SUITE_P(Typeset, LogEntryText,
                         ::testing::Values(EntryCase{"ShiftJis", S("環境 表 は未定義です"), Encoding::kShiftJis},
                                           EntryCase{"Utf8", "環境 表 は未定義です", Encoding::kUtf8}),
                         RowName());

struct KanaCase {
  const char* name;
  std::string message;
  bool hint;  // follows the entry
};

class HalfWidthKana : public ::testing::TestWithParam<KanaCase> {};

TEST_P(HalfWidthKana, RefusedOneIsFollowedOnceByWhatAvoidsIt) {
  LogPanel panel;
  const typeset::LogEntry entry{typeset::EntryKind::kError, 3, true, GetParam().message};
  panel.ShowEntries({{entry, entry}, false}, QStringLiteral("doc.tex"), Encoding::kUtf8);
  const auto* list = panel.findChild<QListWidget*>(QStringLiteral("ErrorList1"));
  ASSERT_EQ(list->count(), GetParam().hint ? 3 : 2);
  if (GetParam().hint) {
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("%#!uplatex"))) << list->item(1)->text().toStdString();
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("全角カナ")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Typeset, HalfWidthKana,
    ::testing::Values(KanaCase{"Ka", "LaTeX Error: Unicode character ^^ef^^bd^^b6 (U+FF76)", true},
                      KanaCase{"SemiVoicedMark", "LaTeX Error: Unicode character ^^ef^^be^^9f (U+FF9F)", true},
                      KanaCase{"FullWidthDigit", "LaTeX Error: Unicode character ^^ef^^bc^^91 (U+FF11)", false},
                      KanaCase{"OtherError", "Undefined control sequence.", false}),
    RowName());

}  // namespace
}  // namespace zumoku::test
