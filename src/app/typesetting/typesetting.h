#pragma once
// Typesetting in the main window: the run behind the "タイプセット" menu and
// its toolbar button, the log and PDF docks, the run's progress in status
// panel 0, and SyncTeX between memo1 and the PDF. The document is saved
// through the window's own Save flow first; nothing here writes to it.
#include <QDockWidget>
#include <QMainWindow>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "encoding/encoding.h"
#include "typeset/typeset_runner.h"

namespace zumoku {

class LogPanel;
class Memo;
class PdfPanel;
namespace typeset {
class SynctexMap;
}

class Typesetting : public QObject {
  Q_OBJECT
 public:
  // The file a run typesets: the root of the document's paper.
  struct Target {
    QString path;
    Encoding encoding = Encoding::kShiftJis;
  };
  // What a run needs of the main window's document.
  struct Document {
    std::function<QString()> fileName;   // empty until the document has a file
    std::function<Encoding()> encoding;  // of the document's bytes, which the tools read
    std::function<bool()> modified;
    std::function<void()> save;                      // the window's "上書き保存"
    std::function<void(const QString&)> showStatus;  // panel 0
    // The saved document's root, asked for at each run; nullopt when there
    // is none to typeset (the window has said why).
    std::function<std::optional<Target>()> target;
    // The root as known without asking: the document's own file when none.
    std::function<QString()> rootPath;
    // Opens another file of the paper as "開く" does, asking about unsaved
    // changes; true when it is the document now.
    std::function<bool(const QString& path)> open;
  };
  // The docks go into `window`; `memo1` is the editor the log and the PDF
  // point into.
  Typesetting(QMainWindow& window, Memo& memo1, Document document);
  ~Typesetting() override;

  void Typeset();
  void Stop();
  void OpenPdf();
  // "PDF の対応箇所へ": the caret line's boxes highlighted and scrolled into
  // view, or panel 0 saying why there are none.
  void ShowCaretInPdf();
  // "戻る": the file and caret before the last jump to an error or from the PDF.
  void Back();
  // The command line "PDF を外部ビューアで開く" runs, "%f" standing for the
  // PDF (put last when it is missing); empty: the desktop's own viewer.
  void SetPdfViewer(const QString& commandLine) { pdfViewer_ = commandLine.trimmed(); }

  typeset::TypesetRunner& Runner() { return runner_; }

 private:
  void BuildDocks();
  void ShowDocks();
  void ShowProgress();
  void Finished(const typeset::RunResult& result);
  void SelectLine(int line);
  // Selects a line of a file of the paper, opening the file when it is not
  // the document; the place left is remembered for Back.
  void GoToPlace(const QString& path, int line);
  // The file a log entry names, from the run's folder; empty when none is there.
  QString PathOfLogFile(const QByteArray& file) const;
  bool IsDocument(const QString& path) const;
  bool OpenForJump(const QString& path);
  // Highlights the caret line's boxes in the PDF; `reveal` scrolls to them.
  void SyncToCaret(bool reveal);
  void SyncToSource(int page, QPointF point);
  QString PdfPathOfDocument() const;
  // Opens the PDF with xdg-open, saying in panel 0 when nothing could show it.
  void OpenWith(const QString& xdgOpen, const QString& pdf);
  void OpenWithViewer(const QString& pdf);
  // Another document took the window's place (Open, a drop, New; also Save
  // As, which names another file): what the panels showed was the old one's.
  void DocumentReplaced();
  // Shows the PDF at `path` with its SyncTeX look-ups; false when it cannot be read.
  bool ShowPdf(const QString& path);

  QMainWindow& window_;
  Memo& memo1_;
  Document document_;
  typeset::TypesetRunner runner_;
  LogPanel* logPanel_ = nullptr;
  PdfPanel* pdfPanel_ = nullptr;
  QDockWidget* logDock_ = nullptr;
  QDockWidget* pdfDock_ = nullptr;
  QTimer progress_;
  QTimer caretMoved_;
  int caretLine_ = 0;
  QString pdfViewer_;
  QString fileName_;  // of the root being typeset
  QString rootPath_;  // the same, whole
  struct Place {
    QString file;
    std::size_t caret = 0;  // a byte offset
  };
  std::vector<Place> backPlaces_;
  bool jumping_ = false;                     // opening a file of the paper for a jump: the panels stay
  Encoding encoding_ = Encoding::kShiftJis;  // its bytes', and so its log's
  std::unique_ptr<typeset::SynctexMap> synctex_;
};

}  // namespace zumoku
