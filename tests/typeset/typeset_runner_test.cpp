// The runner with the real pLaTeX tool chain on generated documents.
#include <gtest/gtest.h>
#include <QFileInfo>
#include <QPdfDocument>
#include <QSignalSpy>
#include <QTest>

#include "latex_documents.h"
#include "typeset/synctex_map.h"
#include "typeset/typeset_runner.h"

namespace zumoku::typeset {
namespace {

using test::LatexFolder;

class RunnerTest : public ::testing::Test {
 protected:
  RunResult Run(const QString& path) {
    QSignalSpy finished(&runner, &TypesetRunner::finished);
    runner.Start(path);
    if (finished.isEmpty()) {
      EXPECT_TRUE(finished.wait(30000));
    }
    return finished.isEmpty() ? RunResult{} : finished.takeFirst().at(0).value<RunResult>();
  }

  LatexFolder folder;
  TypesetRunner runner;
};

TEST_F(RunnerTest, GoodDocumentGivesAPdfWithItsPages) {
  const QString tex = folder.Write(QStringLiteral("良い文書.tex"), test::kGoodDocument);
  const QByteArray before = [&] {
    QFile f(tex);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  const RunResult result = Run(tex);
  ASSERT_EQ(result.outcome, Outcome::kSucceeded) << result.message.toStdString();
  EXPECT_EQ(result.platexRuns, 2);  // the first .aux is new
  QPdfDocument pdf;
  ASSERT_EQ(pdf.load(result.pdfPath), QPdfDocument::Error::None);
  EXPECT_EQ(pdf.pageCount(), 2);
  EXPECT_TRUE(pdf.getAllText(0).text().contains(QStringLiteral("日本語の本文です")))
      << pdf.getAllText(0).text().toStdString();
  QFile after(tex);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

TEST_F(RunnerTest, ErrorOnAKnownLineIsReported) {
  const RunResult result = Run(folder.Write(QStringLiteral("err.tex"), test::kErrorDocument));
  EXPECT_EQ(result.outcome, Outcome::kFailed);
  ASSERT_FALSE(result.log.entries.empty());
  const LogEntry& first = result.log.entries.front();
  EXPECT_EQ(first.kind, EntryKind::kError);
  EXPECT_EQ(first.line, 4);
  EXPECT_TRUE(first.inDocument);
}

TEST_F(RunnerTest, CrossReferenceNeedsASecondRun) {
  const RunResult result = Run(folder.Write(QStringLiteral("ref.tex"), test::kRerunDocument));
  EXPECT_EQ(result.outcome, Outcome::kSucceeded);
  EXPECT_EQ(result.platexRuns, 2);
  EXPECT_EQ(result.log.Count(EntryKind::kWarning), 0);
}

TEST_F(RunnerTest, StopEndsTheRun) {
  QSignalSpy finished(&runner, &TypesetRunner::finished);
  runner.Start(folder.Write(QStringLiteral("loop.tex"), test::kEndlessDocument));
  ASSERT_TRUE(runner.IsRunning());
  const QString busy = folder.Path(QStringLiteral("loop.synctex(busy)"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(busy); }, 10000));  // platex is writing
  runner.Stop();
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(finished.at(0).at(0).value<RunResult>().outcome, Outcome::kStopped);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_FALSE(QFileInfo::exists(busy));
}

TEST_F(RunnerTest, MissingToolsNameThePackage) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "");
  const RunResult result = Run(folder.Write(QStringLiteral("doc.tex"), test::kGoodDocument));
  qputenv("PATH", path);
  EXPECT_EQ(result.outcome, Outcome::kToolsMissing);
  EXPECT_TRUE(result.message.contains(QStringLiteral("texlive-lang-japanese"))) << result.message.toStdString();
  EXPECT_TRUE(result.message.contains(QStringLiteral("platex")));
}

TEST_F(RunnerTest, SynctexMapsALineToPageOneAndBack) {
  const RunResult result = Run(folder.Write(QStringLiteral("同期.tex"), test::kGoodDocument));
  ASSERT_EQ(result.outcome, Outcome::kSucceeded);
  const SynctexMap map(QFile::encodeName(result.pdfPath).toStdString());
  ASSERT_TRUE(map.IsValid());
  const auto boxes = map.BoxesOfLine(3);
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.front().page, 0);
  const PdfBox& box = boxes.front();
  EXPECT_EQ(map.LineAt(box.page, box.x + 2, box.y + box.height / 2), 3);
  EXPECT_EQ(map.BoxesOfLine(5).front().page, 1);
}

}  // namespace
}  // namespace zumoku::typeset
