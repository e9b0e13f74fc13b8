#pragma once
// Marks the matches of a search in the part of the editor that is in view,
// as extra selections, and follows scrolling and edits. Only the lines in
// view are searched, so the cost does not grow with the document.
#include <QObject>
#include <QPlainTextEdit>
#include <QTimer>
#include <optional>

#include "search/search.h"

namespace zumoku {

class FindHighlighter : public QObject {
  Q_OBJECT
 public:
  explicit FindHighlighter(QPlainTextEdit& editor);

  // What to mark; nothing clears the marks.
  void SetSearch(std::optional<search::Search> search);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  // The matches in the lines from `first` to `last`, as document positions.
  QList<QTextEdit::ExtraSelection> MarksIn(const QTextBlock& first, const QTextBlock& last) const;

  QPlainTextEdit& editor_;
  std::optional<search::Search> search_;
  QTimer refresh_;  // once per pass of the event loop, however many changes
};

}  // namespace zumoku
