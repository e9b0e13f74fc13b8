#pragma once
// LogDock1's contents: the tools' output (LogMemo1) and the errors and
// warnings found in the log (ErrorList1). Activating an entry asks for
// its file and line.
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
  // An entry was double-clicked (or entered): `file` as the log names it
  // (empty for the typeset file itself), `line` 0 when it names none.
  void placeActivated(const QByteArray& file, int line);

 private:
  void AddEntry(const QString& text, const QByteArray& file, int line, bool error);

  QPlainTextEdit* output_;
  QListWidget* entries_;
};

}  // namespace zumoku
