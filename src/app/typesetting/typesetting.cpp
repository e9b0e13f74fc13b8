#include "app/typesetting/typesetting.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

#include "app/editor/memo.h"
#include "app/typesetting/typeset_log_panel.h"
#include "app/typesetting/typeset_pdf_panel.h"
#include "encoding/codec.h"
#include "typeset/run_plan.h"
#include "typeset/synctex_map.h"
#include "typeset/tool_commands.h"

namespace zumoku {

namespace {
constexpr int kProgressIntervalMs = 500;
constexpr int kCaretSettleMs = 150;
const QString kNoViewer = QStringLiteral("PDF を開くビューアが見つかりません");
const QString kNoPdfYet = QStringLiteral("PDF がありません。先にタイプセットしてください");

// What panel 0 says when a run has ended; short, for the panel is narrow.
QString StatusAfter(const typeset::RunResult& result) {
  const QString seconds = QString::number(result.elapsedMs / 1000.0, 'f', 1);
  switch (result.outcome) {
    case typeset::Outcome::kSucceeded: {
      const int undefined = typeset::CountUndefinedReferences(result.log);
      if (undefined == 0) return QStringLiteral("タイプセット完了 (%1 秒)").arg(seconds);
      return QStringLiteral("タイプセット完了、未定義の参照 %1 件 (%2 秒)").arg(undefined).arg(seconds);
    }
    case typeset::Outcome::kFailed: {
      // A tool can fail without a line in platex's log: pbibtex, mendex, dvipdfmx, a crash.
      const int errors = result.log.Count(typeset::EntryKind::kError);
      return QStringLiteral("タイプセット失敗: %1")
          .arg(errors > 0 ? QStringLiteral("エラー %1 件").arg(errors) : result.message);
    }
    case typeset::Outcome::kStopped:
      return QStringLiteral("タイプセットを停止しました");
    case typeset::Outcome::kToolsMissing:
      return result.message;
  }
  return {};
}

}  // namespace

Typesetting::Typesetting(QMainWindow& window, Memo& memo1, Document document)
    : QObject(&window), window_(window), memo1_(memo1), document_(std::move(document)) {
  BuildDocks();
  progress_.setInterval(kProgressIntervalMs);
  connect(&progress_, &QTimer::timeout, this, &Typesetting::ShowProgress);
  connect(&runner_, &typeset::TypesetRunner::stepStarted, this, &Typesetting::ShowProgress);
  connect(&runner_, &typeset::TypesetRunner::output, logPanel_, &LogPanel::AppendOutput);
  connect(&runner_, &typeset::TypesetRunner::finished, this, &Typesetting::Finished);
  caretMoved_.setSingleShot(true);
  caretMoved_.setInterval(kCaretSettleMs);
  connect(&caretMoved_, &QTimer::timeout, this, [this] { SyncToCaret(true); });
  connect(&memo1_, &Memo::caretMoved, this, [this] {
    const int line = memo1_.CaretLine() + 1;
    if (line != caretLine_ && synctex_) caretMoved_.start();
  });
  // The caption names the document's file, and changes whenever another
  // file or a new document takes the window.
  connect(&window_, &QWidget::windowTitleChanged, this, &Typesetting::DocumentReplaced);
}

Typesetting::~Typesetting() {
  // A viewer's launcher still waiting is ended with the window: it must not
  // report into a window half gone.
  for (QProcess* opener : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) opener->disconnect(this);
}

void Typesetting::BuildDocks() {
  logPanel_ = new LogPanel;
  logDock_ = new QDockWidget(QStringLiteral("ログ"), &window_);
  logDock_->setObjectName(QStringLiteral("LogDock1"));
  logDock_->setWidget(logPanel_);
  window_.addDockWidget(Qt::BottomDockWidgetArea, logDock_);
  pdfPanel_ = new PdfPanel;
  pdfDock_ = new QDockWidget(QStringLiteral("PDF"), &window_);
  pdfDock_->setObjectName(QStringLiteral("PdfDock1"));
  pdfDock_->setWidget(pdfPanel_);
  window_.addDockWidget(Qt::RightDockWidgetArea, pdfDock_);
  // The window keeps its size and layout until the first run.
  logDock_->hide();
  pdfDock_->hide();
  connect(logPanel_, &LogPanel::placeActivated, this, [this](const QByteArray& file, int line) {
    const QString path = file.isEmpty() ? rootPath_ : PathOfLogFile(file);
    if (line <= 0) {
      document_.showStatus(QStringLiteral("この項目は文書の行を指していません"));
    } else if (path.isEmpty()) {
      document_.showStatus(QStringLiteral("%1 が見つかりません").arg(codec::Decode(file.toStdString(), encoding_)));
    } else {
      GoToPlace(path, line);
    }
  });
  connect(pdfPanel_->View(), &PdfView::placeClicked, this, &Typesetting::SyncToSource);
}

void Typesetting::Typeset() {
  // The tools read the file: it must hold the text shown.
  auto saved = [this] {
    const QFileInfo file(document_.fileName());
    return !document_.modified() && file.isAbsolute() && file.exists();
  };
  if (!saved()) document_.save();
  // A cancelled or failed save has said so: nothing to typeset.
  if (!saved()) return;
  const auto target = document_.target();
  if (!target) return;
  fileName_ = QFileInfo(target->path).fileName();
  rootPath_ = target->path;
  encoding_ = target->encoding;
  logPanel_->Clear();
  ShowDocks();
  runner_.Start(target->path, encoding_);
  if (runner_.IsRunning()) progress_.start();
}

void Typesetting::ShowDocks() {
  if (pdfDock_->isVisible()) return;
  logDock_->show();
  pdfDock_->show();
  // First shown: the PDF beside the editor at a readable width, the log low.
  window_.resizeDocks({pdfDock_}, {window_.width() * 2 / 5}, Qt::Horizontal);
  window_.resizeDocks({logDock_}, {window_.height() / 4}, Qt::Vertical);
}

void Typesetting::Stop() { runner_.Stop(); }

void Typesetting::ShowProgress() {
  if (!runner_.IsRunning()) return;
  document_.showStatus(QStringLiteral("%1 実行中… %2 秒").arg(runner_.CurrentStep()).arg(runner_.ElapsedMs() / 1000));
}

void Typesetting::Finished(const typeset::RunResult& result) {
  progress_.stop();
  QString status = StatusAfter(result);
  if (result.outcome == typeset::Outcome::kSucceeded) {
    if (ShowPdf(result.pdfPath)) {
      SyncToCaret(false);  // the reload keeps the place shown
    } else {
      status = QStringLiteral("PDF を開けません: %1").arg(result.pdfPath);
    }
  }
  // A failed BibTeX's or mendex's own words first: they say why the run ended.
  typeset::LogSummary entries = result.toolLog;
  entries.entries.insert(entries.entries.end(), result.log.entries.begin(), result.log.entries.end());
  logPanel_->ShowEntries(entries, fileName_, encoding_);
  logPanel_->AppendOutput(status + u'\n');
  document_.showStatus(status);
}

bool Typesetting::ShowPdf(const QString& path) {
  if (!pdfPanel_->Load(path)) return false;
  synctex_ = std::make_unique<typeset::SynctexMap>(QFile::encodeName(path).toStdString());
  return true;
}

void Typesetting::DocumentReplaced() {
  // Another file of the same paper: the run, its log and its PDF are still its.
  if (jumping_ || (!rootPath_.isEmpty() && document_.rootPath() == rootPath_)) return;
  runner_.Stop();
  logPanel_->Clear();
  synctex_.reset();
  pdfPanel_->Clear();
  // A PDF older than its document shows text the document no longer has.
  const QFileInfo pdf(PdfPathOfDocument());
  rootPath_ = document_.rootPath();
  if (pdf.exists() && pdf.lastModified() > QFileInfo(rootPath_).lastModified()) ShowPdf(pdf.filePath());
}

void Typesetting::SelectLine(int line) {
  if (line < 1 || line > memo1_.LineCount()) return;
  memo1_.SelectLine(line - 1);
  memo1_.setFocus();
}

bool Typesetting::IsDocument(const QString& path) const {
  return QDir::cleanPath(path) == QDir::cleanPath(document_.fileName());
}

bool Typesetting::OpenForJump(const QString& path) {
  jumping_ = true;
  const bool opened = document_.open(path);
  jumping_ = false;
  return opened;
}

void Typesetting::GoToPlace(const QString& path, int line) {
  const Place left{document_.fileName(), memo1_.CaretOffset()};
  if (!IsDocument(path) && !OpenForJump(path)) return;
  backPlaces_.push_back(left);
  SelectLine(line);
}

void Typesetting::Back() {
  if (backPlaces_.empty()) {
    document_.showStatus(QStringLiteral("戻る場所がありません"));
    return;
  }
  const Place place = backPlaces_.back();
  backPlaces_.pop_back();
  if (!IsDocument(place.file) && (place.file.isEmpty() || !OpenForJump(place.file))) return;
  memo1_.SetCaretOffset(place.caret);
  memo1_.setFocus();
}

// TeX names a file by its bytes on disk; pLaTeX may give them in the
// document's encoding instead.
QString Typesetting::PathOfLogFile(const QByteArray& file) const {
  const QDir folder = QFileInfo(rootPath_).absoluteDir();
  for (const QString& name : {QFile::decodeName(file), codec::Decode(file.toStdString(), encoding_)}) {
    const QString path = QDir::cleanPath(folder.absoluteFilePath(name));
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

void Typesetting::SyncToCaret(bool reveal) {
  caretLine_ = memo1_.CaretLine() + 1;
  if (!synctex_ || !synctex_->IsValid()) return;
  const QString document = document_.fileName();
  pdfPanel_->View()->ShowBoxes(document == rootPath_
                                   ? synctex_->BoxesOfLine(caretLine_)
                                   : synctex_->BoxesOfLine(QFile::encodeName(document).toStdString(), caretLine_),
                               reveal);
}

void Typesetting::SyncToSource(int page, QPointF point) {
  const auto place = synctex_ ? synctex_->PlaceAt(page, point.x(), point.y()) : std::nullopt;
  const QString path = !place ? QString() : place->isDocument ? rootPath_ : QFile::decodeName(place->file.c_str());
  if (place && QFileInfo(path).isFile()) {
    GoToPlace(path, place->line);
    // The place clicked is in view: its line's boxes take the highlight now.
    caretMoved_.stop();
    SyncToCaret(false);
  } else {
    document_.showStatus(QStringLiteral("この場所に対応する文書の行はありません"));
  }
}

void Typesetting::ShowCaretInPdf() {
  if (!synctex_ || !synctex_->IsValid()) {
    document_.showStatus(kNoPdfYet);
    return;
  }
  ShowDocks();
  caretMoved_.stop();
  SyncToCaret(true);
  if (pdfPanel_->View()->Boxes().empty()) {
    document_.showStatus(QStringLiteral("この行は PDF に何も出力していません"));
  }
}

QString Typesetting::PdfPathOfDocument() const {
  const QFileInfo document(document_.rootPath());
  if (!document.isAbsolute()) return {};
  const std::string pdf = typeset::PdfFileOf(QFile::encodeName(document.fileName()).toStdString());
  return document.absolutePath() + u'/' + QFile::decodeName(pdf.c_str());
}

void Typesetting::OpenPdf() {
  const QString pdf = PdfPathOfDocument();
  if (pdf.isEmpty() || !QFileInfo::exists(pdf)) {
    document_.showStatus(kNoPdfYet);
    return;
  }
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!pdfViewer_.isEmpty()) {
    OpenWithViewer(pdf);
  } else if (!xdgOpen.isEmpty()) {
    OpenWith(xdgOpen, pdf);
  } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pdf))) {
    document_.showStatus(kNoViewer);
  }
}

// The viewer goes on by itself; only a failed start is told.
void Typesetting::OpenWithViewer(const QString& pdf) {
  QStringList words = QProcess::splitCommand(pdfViewer_);
  if (!words.join(u' ').contains(QLatin1String(typeset::kFileNameMark))) words << QLatin1String(typeset::kFileNameMark);
  std::vector<std::string> named;
  for (const QString& word : words) named.push_back(word.toStdString());
  named = typeset::WithFileName(std::move(named), pdf.toStdString());
  QStringList arguments;
  for (const std::string& word : named) arguments << QString::fromStdString(word);
  const QString program = arguments.takeFirst();
  if (!QProcess::startDetached(program, arguments)) {
    document_.showStatus(QStringLiteral("PDF ビューア %1 を起動できません").arg(program));
  }
}

// Run here rather than through QDesktopServices, which starts it detached:
// only its exit code tells that nothing could show the file. It may wait
// for the viewer to close, so its output goes nowhere.
void Typesetting::OpenWith(const QString& xdgOpen, const QString& pdf) {
  auto* opener = new QProcess(this);
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  connect(opener, &QProcess::finished, this, [this, opener](int exitCode, QProcess::ExitStatus status) {
    opener->deleteLater();
    constexpr int kNoMethodAvailable = 3;
    if (status == QProcess::NormalExit && exitCode == kNoMethodAvailable) {
      document_.showStatus(kNoViewer);
    } else if (status != QProcess::NormalExit || exitCode != 0) {
      document_.showStatus(
          QStringLiteral("外部ビューアで PDF を開けませんでした (xdg-open: 終了コード %1)").arg(exitCode));
    }
  });
  connect(opener, &QProcess::errorOccurred, this, [this, opener](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    opener->deleteLater();
    document_.showStatus(kNoViewer);
  });
  opener->start(xdgOpen, {pdf});
}

}  // namespace zumoku
