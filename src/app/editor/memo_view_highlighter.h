#pragma once
// LaTeX colours in MemoView: formats of the lines' layouts, made as each
// line is laid out, never bytes. One state byte per line records the state
// the line ends in, following each change; a line whose end state changed
// hands it on to the lines after it, those in view at once and the rest in
// idle steps of a few milliseconds, until a line ends as before.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "app/editor/latex_colours.h"
#include "app/editor/line_layouts.h"
#include "buffer/text_change.h"

namespace zumoku {

class MemoView;

class MemoViewHighlighter : public QObject {
  Q_OBJECT
 public:
  explicit MemoViewHighlighter(MemoView& view);

  // Turned off, the text loses its colours at once.
  void SetEnabled(bool enabled);
  // The state `line` starts in, worked out from the nearest known line before it.
  highlight::LineState StateBefore(int line);

 private:
  LineLayouts::Formatter Colours();
  QList<QTextLayout::FormatRange> Colour(int line, const QString& text);
  highlight::LineState EndStateOf(int line, highlight::LineState start) const;
  // Records the state `line` ends in; true when the line after it, worked
  // out before, started in another: its layout goes and it is looked at again.
  bool Settle(int line, highlight::LineState end);
  void Follow(const TextChange& change);
  void Schedule(int line);
  void Propagate();

  MemoView& view_;
  LatexFormats formats_;
  static constexpr std::uint8_t kUnknown = 0xFF;
  std::vector<std::uint8_t> ends_;  // by line: a LineState, or kUnknown
  QTimer idle_;
  // The lines to look at again, at least; -1: none.
  int pending_ = -1;
  int pendingLast_ = -1;
  bool enabled_ = true;
};

}  // namespace zumoku
