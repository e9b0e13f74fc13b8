#include "app/editor/line_number_margin.h"

#include <QEvent>
#include <QPainter>

#include "app/editor/memo.h"

namespace zumoku {

namespace {
constexpr int kPadding = 4;  // each side of the numbers

int Digits(int number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}
}  // namespace

int LineNumberWidth(const QFontMetrics& metrics, int lineCount) {
  return 2 * kPadding + metrics.horizontalAdvance(u'9') * Digits(lineCount);
}

void DrawLineNumber(QPainter& painter, const QRect& row, int line, bool caret) {
  QFont font = painter.font();
  font.setBold(caret);
  painter.setFont(font);
  painter.drawText(row.adjusted(0, 0, -kPadding, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(line + 1));
}

LineNumberMargin::LineNumberMargin(Memo& memo) : QWidget(&memo), memo_(memo) {
  setObjectName(QStringLiteral("LineNumberMargin"));
  connect(&memo, &QPlainTextEdit::blockCountChanged, this, &LineNumberMargin::FitWidth);
  connect(&memo, &QPlainTextEdit::updateRequest, this, &LineNumberMargin::FollowEditor);
  // The bold number moves with the caret.
  connect(&memo, &QPlainTextEdit::cursorPositionChanged, this, qOverload<>(&QWidget::update));
  memo.installEventFilter(this);
  // The viewport is laid out after the editor's own resize event, so its
  // height is only known when it is resized itself.
  memo.viewport()->installEventFilter(this);
  FitWidth();
  show();
}

int LineNumberMargin::WidthForNumbers() const { return LineNumberWidth(fontMetrics(), memo_.blockCount()); }

void LineNumberMargin::SetShown(bool shown) {
  shown_ = shown;
  setVisible(shown);
  FitWidth();
}

void LineNumberMargin::FitWidth() {
  const int width = shown_ ? WidthForNumbers() : 0;
  if (width == givenWidth_) return;
  givenWidth_ = width;
  memo_.SetLeftMargin(width);
  Place();
}

void LineNumberMargin::Place() {
  const QRect area = memo_.contentsRect();
  setGeometry(area.left(), area.top(), WidthForNumbers(), memo_.viewport()->height());
}

bool LineNumberMargin::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) Place();
  if (event->type() == QEvent::FontChange && watched == &memo_) FitWidth();
  return QWidget::eventFilter(watched, event);
}

void LineNumberMargin::FollowEditor(const QRect& rect, int dy) {
  if (dy != 0) {
    scroll(0, dy);
  } else {
    update(0, rect.y(), width(), rect.height());
  }
}

void LineNumberMargin::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  const int caretBlock = memo_.textCursor().blockNumber();
  const int lineHeight = fontMetrics().height();
  for (const auto& [block, bounds] : memo_.ShownBlocks()) {
    DrawLineNumber(painter, QRect(0, static_cast<int>(bounds.top()), width(), lineHeight), block.blockNumber(),
                   block.blockNumber() == caretBlock);
  }
}

}  // namespace zumoku
