#include "app/widgets/gap_label.h"

#include <QPainter>

namespace zumoku {

void GapLabel::paintEvent(QPaintEvent*) {
  constexpr QChar kIdeographicBlank = u'\u3000';
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetricsF metrics(font());
  const qreal blank = metrics.horizontalAdvance(kIdeographicBlank) * 2 / 3;
  qreal x = 0;
  for (const QChar c : text()) {
    if (c == kIdeographicBlank) {
      x += blank;
      continue;
    }
    painter.drawText(QPointF(x, metrics.ascent()), QString(c));
    x += metrics.horizontalAdvance(c);
  }
}

}  // namespace zumoku
