#pragma once
// LogDock1's contents: the tools' output (LogMemo1) and the errors and
// warnings found in the log (ErrorList1). Activating an entry of the
// document asks for its line.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "encoding/encoding.h"
#include "typeset/log_parser.h"

namespace zumoku {

class LogPanel : public QWidget {
  Q_OBJECT
 public:
  explicit LogPanel(QWidget* parent = nullptr);

  void Clear();
  void AppendOutput(const QString& text);
  // Lists the entries, whose messages are in `encoding`; `fileName` names
  // the document in them. A half-width kana that pLaTeX refused is followed
  // by what avoids it.
  void ShowEntries(const typeset::LogSummary& log, const QString& fileName, Encoding encoding);

 signals:
  // An entry of the document was double-clicked (or entered); 0 when the
  // entry belongs to another file or names no line.
  void lineActivated(int line);

 private:
  // `line` is the document's line the entry asks for, 0 for none.
  void AddEntry(const QString& text, int line, bool error);

  QPlainTextEdit* output_;
  QListWidget* entries_;
};

}  // namespace zumoku
