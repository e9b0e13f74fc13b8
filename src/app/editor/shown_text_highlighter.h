#pragma once
// LaTeX colours in memo1, for the blocks the viewport shows only: opening or
// scrolling a large document costs what one screen costs. Each block keeps
// the state its line started and ended in; a change re-highlights from the
// changed line until the state is the same as before, the shown lines at
// once and the rest in steps of a few milliseconds while the program is
// idle. The colours are formats of the layout, not of the text: no byte
// changes.
#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTimer>
#include "app/editor/latex_colours.h"
#include "buffer/text_change.h"
#include "highlight/latex_line_scanner.h"

namespace zumoku {

class Memo;

class ShownTextHighlighter : public QObject {
  Q_OBJECT
 public:
  explicit ShownTextHighlighter(Memo& memo);

  // Turned off, the text loses its colours at once.
  void SetEnabled(bool enabled);
  // The state the line of `block` starts in, by the states the blocks keep
  // while highlighting is on, read back a bounded way without them.
  highlight::LineState StateAtStartOf(const QTextBlock& block);

 protected:
  // The viewport is about to paint: its blocks get their colours first.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HighlightShown();
  // The state the line of `first` starts in.
  highlight::LineState StateBefore(const QTextBlock& first);
  // Brings one block up to date for a line starting in `state`, which
  // becomes its end state; true when that end state differs from the one
  // recorded before.
  bool Highlight(const QTextBlock& block, highlight::LineState& state);
  void Changed(const TextChange& change);
  // Carries a changed end state on to the blocks highlighted before.
  void Propagate();
  void SchedulePropagation(int fromLine);

  Memo& memo_;
  LatexFormats formats_;
  QTimer propagation_;
  // Lines from pendingFirst_ on may need their start state carried to them,
  // at least up to pendingLast_; -1: none. Line numbers from the change
  // notice, not a cursor, which a notice must not replace while the
  // document clears.
  int pendingFirst_ = -1;
  int pendingLast_ = -1;
  bool enabled_ = true;
};

}  // namespace zumoku
