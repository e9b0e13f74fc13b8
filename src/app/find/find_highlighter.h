#pragma once
// Marks the matches of a search in the part of the editor that is in view,
// as the editor's find marks, and follows scrolling and edits. Only the lines in
// view are searched, so the cost does not grow with the document.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

#include "app/editor/memo.h"

#include "search/search.h"

namespace zumoku {

class FindHighlighter : public QObject {
  Q_OBJECT
 public:
  FindHighlighter(Memo& editor, QObject* parent);

  // What to mark; nothing clears the marks.
  void SetSearch(std::optional<search::Search> search);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  // Gives the editor the marks, unless they are the ones it has.
  void SetMarks(std::vector<ByteRange> marks);
  // Takes the marks away while the user types: each mark is drawn by
  // drawing its line once more, and each moves with every edit before it,
  // which a key would pay for every mark in view. They come back once
  // typing pauses.
  void Edited();
  void TypingPaused();
  // The matches in the lines from `first` to `last`, as byte offsets.
  std::vector<ByteRange> MarksIn(int first, int last) const;

  Memo& editor_;
  std::optional<search::Search> search_;
  std::vector<ByteRange> marks_;  // as the editor has them, without a copy per key
  QTimer refresh_;                // once per pass of the event loop, however many changes
  QTimer afterTyping_;            // the marks again once typing pauses
  QElapsedTimer sinceEdit_;       // a key only notes the time; restarting a timer costs more
};

}  // namespace zumoku
