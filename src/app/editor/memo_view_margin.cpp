#include "app/editor/memo_view_margin.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/editor/line_number_margin.h"
#include "app/editor/memo_view.h"

namespace zumoku {

MemoViewMargin::MemoViewMargin(MemoView& view) : QWidget(&view), view_(view) {
  setObjectName(QStringLiteral("LineNumberMargin"));
  view.Buffer().AddChangeListener([this](const TextChange& change) {
    if (change.linesAdded != change.linesRemoved) FitWidth();
  });
  view.installEventFilter(this);
  view.viewport()->installEventFilter(this);
  FitWidth();
  show();
}

void MemoViewMargin::SetShown(bool shown) {
  shown_ = shown;
  setVisible(shown);
  FitWidth();
}

void MemoViewMargin::FitWidth() {
  const int width = shown_ ? LineNumberWidth(fontMetrics(), view_.Buffer().LineStarts().Count()) : 0;
  if (width == givenWidth_) return;
  givenWidth_ = width;
  view_.SetLeftMargin(width);
  Place();
}

void MemoViewMargin::Place() {
  const QRect area = view_.contentsRect();
  setGeometry(area.left(), area.top(), givenWidth_, view_.viewport()->height());
}

bool MemoViewMargin::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Paint: {  // the numbers beside the rows being painted
      const QRect painted = static_cast<QPaintEvent*>(event)->rect();
      update(0, painted.top(), width(), painted.height());
      break;
    }
    case QEvent::Resize:
      Place();
      break;
    case QEvent::FontChange:
      if (watched == &view_) FitWidth();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void MemoViewMargin::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  const LineIndex& lines = view_.Buffer().LineStarts();
  const int caretLine = view_.CaretLine();
  const int rowHeight = view_.fontMetrics().lineSpacing();
  // Each number at its line's first row, which may be above the view.
  for (int line = lines.LineOf(view_.OffsetAt({0, 0})); line < lines.Count(); ++line) {
    const int top = static_cast<int>(view_.RectAt(lines.Start(line)).top());
    if (top >= height()) break;
    DrawLineNumber(painter, QRect(0, top, width(), rowHeight), line, line == caretLine);
  }
}

}  // namespace zumoku
