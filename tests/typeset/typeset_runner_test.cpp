// The runner with the real pLaTeX tool chain on generated documents.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFileInfo>
#include <QPdfDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "encoding/codec.h"
#include "latex_documents.h"
#include "qstring_print.h"
#include "row_name.h"
#include "typeset/synctex_map.h"
#include "typeset/typeset_runner.h"

namespace zumoku::typeset {
namespace {

using test::LatexFolder;

// The fonts of a PDF that pdffonts lists as not embedded.
QStringList FontsNotEmbedded(const QString& pdf) {
  QProcess pdffonts;
  pdffonts.start(QStringLiteral("pdffonts"), {pdf});
  pdffonts.waitForFinished();
  const QStringList lines = QString::fromLocal8Bit(pdffonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  // Below two lines of heading, a long name pushes the columns right: "emb"
  // is the fifth word from the end ("emb sub uni object ID").
  QStringList notEmbedded;
  for (const QString& line : lines.mid(2)) {
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 5 || words[words.size() - 5] != QStringLiteral("yes")) notEmbedded << line;
  }
  return notEmbedded;
}

class RunnerTest : public ::testing::Test {
 protected:
  RunResult Run(const QString& path, Encoding encoding = Encoding::kShiftJis) {
    QSignalSpy finished(&runner, &TypesetRunner::finished);
    runner.Start(path, encoding);
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
  EXPECT_EQ(result.latexRuns, 2);  // the first .aux is new
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

struct Utf8Case {
  const char* name;
  const char* documentClass;
  const char* latex;  // the engine that runs it
};

class Utf8Document : public RunnerTest, public ::testing::WithParamInterface<Utf8Case> {
 protected:
  // The document's UTF-8 bytes, as they are in this source file.
  QString Write(const QString& name, const std::string& body) {
    return folder.Write(name, std::string("\\documentclass{") + GetParam().documentClass + "}\n\\begin{document}\n" +
                                  body + "\\end{document}\n");
  }
  QString Output() const { return output_.join(QString()); }

 private:
  QStringList output_;
  QMetaObject::Connection collect_ =
      QObject::connect(&runner, &TypesetRunner::output, [this](const QString& lines) { output_ << lines; });
};

TEST_P(Utf8Document, RunsItsEngineAndFindsTheErrorLine) {
  const RunResult broken =
      Run(Write(QStringLiteral("誤り.tex"), "最初の行。\n\\errmessage{日本語の誤り}\n"), Encoding::kUtf8);
  ASSERT_EQ(broken.outcome, Outcome::kFailed) << broken.message.toStdString();
  ASSERT_FALSE(broken.log.entries.empty());
  const LogEntry& error = broken.log.entries.front();
  EXPECT_EQ(error.kind, EntryKind::kError);
  EXPECT_EQ(error.line, 4);
  EXPECT_TRUE(error.inDocument);
  EXPECT_EQ(codec::Decode(error.message, Encoding::kUtf8), QStringLiteral("日本語の誤り."));
  EXPECT_TRUE(Output().contains(QStringLiteral("> %1 -kanji=utf8 ").arg(GetParam().latex))) << Output().toStdString();
  EXPECT_TRUE(Output().contains(QStringLiteral(".tex:4: 日本語の誤り."))) << Output().toStdString();

  const RunResult good = Run(Write(QStringLiteral("良い.tex"), "日本語の本文です。\n"), Encoding::kUtf8);
  ASSERT_EQ(good.outcome, Outcome::kSucceeded) << good.message.toStdString();
  QPdfDocument pdf;
  ASSERT_EQ(pdf.load(good.pdfPath), QPdfDocument::Error::None);
  EXPECT_TRUE(pdf.getAllText(0).text().contains(QStringLiteral("日本語の本文です")));
  EXPECT_TRUE(Output().contains(QStringLiteral("%1 をもう一度実行します").arg(GetParam().latex)));
  EXPECT_EQ(FontsNotEmbedded(good.pdfPath), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Engines, Utf8Document,
                         ::testing::Values(Utf8Case{"Platex", "jsarticle", "platex"},
                                           Utf8Case{"Uplatex", "ujarticle", "uplatex"}),
                         test::RowName());

// Its class files are UTF-8: upLaTeX cannot read a Shift_JIS document.
TEST_F(RunnerTest, ShiftJisUplatexDocumentIsRefused) {
  const RunResult result = Run(folder.Write(QStringLiteral("up.tex"), "\\documentclass{ujarticle}\r\n"));
  EXPECT_EQ(result.outcome, Outcome::kFailed);
  EXPECT_EQ(result.message, QStringLiteral("upLaTeX の文書は UTF-8 で保存してください"));
  EXPECT_FALSE(QFileInfo::exists(folder.Path(QStringLiteral("up.log"))));
}

TEST_F(RunnerTest, CrossReferenceNeedsASecondRun) {
  const RunResult result = Run(folder.Write(QStringLiteral("ref.tex"), test::kRerunDocument));
  EXPECT_EQ(result.outcome, Outcome::kSucceeded);
  EXPECT_EQ(result.latexRuns, 2);
  EXPECT_EQ(result.log.Count(EntryKind::kWarning), 0);
}

TEST_F(RunnerTest, StopEndsTheRun) {
  QSignalSpy finished(&runner, &TypesetRunner::finished);
  runner.Start(folder.Write(QStringLiteral("loop.tex"), test::kEndlessDocument), Encoding::kShiftJis);
  ASSERT_TRUE(runner.IsRunning());
  const QString busy = folder.Path(QStringLiteral("loop.synctex(busy)"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(busy); }, 10000));  // platex is writing
  runner.Stop();
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(finished.at(0).at(0).value<RunResult>().outcome, Outcome::kStopped);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_FALSE(QFileInfo::exists(busy));
}

// The .aux of an earlier run is read before LaTeX starts, on the window's
// thread: a FIFO it names must not hold the window (LaTeX itself may wait on
// it, and Stop ends that).
TEST_F(RunnerTest, AuxNamingAFifoHoldsNothingUp) {
  ASSERT_EQ(mkfifo(QFile::encodeName(folder.Path(QStringLiteral("pipe.aux"))).constData(), 0600), 0);
  folder.Write(QStringLiteral("doc.aux"), "\\relax \n\\@input{pipe.aux}\n");
  runner.Start(folder.Write(QStringLiteral("doc.tex"), test::kGoodDocument), Encoding::kShiftJis);
  EXPECT_TRUE(runner.IsRunning());
  runner.Stop();
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
  const auto place = map.PlaceAt(box.page, box.x + 2, box.y + box.height / 2);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->line, 3);
  EXPECT_TRUE(place->isDocument);
  EXPECT_EQ(map.BoxesOfLine(5).front().page, 1);
  EXPECT_TRUE(map.BoxesOfLine(1).empty());  // \documentclass prints nothing
}

}  // namespace
}  // namespace zumoku::typeset
