#include "app/widgets/status_panel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace zumoku {

StatusPanel::StatusPanel(const char* name, QWidget* parent, int usualWidth) : QLabel(parent), usualWidth_(usualWidth) {
  setObjectName(QLatin1String(name));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setTextFormat(Qt::PlainText);  // messages carry paths
}

// QLabel's own indent beside a frame: half an "x".
int StatusPanel::Indent() const { return frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0; }

QRect StatusPanel::TextRect() const { return contentsRect().adjusted(Indent(), 0, -Indent(), 0); }

QSize StatusPanel::sizeHint() const {
  const QSize whole = QLabel::sizeHint();
  return {std::max(whole.width(), usualWidth_), whole.height()};
}

QSize StatusPanel::minimumSizeHint() const {
  const int chrome = width() - TextRect().width();
  return {chrome + fontMetrics().horizontalAdvance(QStringLiteral("…")), QLabel::minimumSizeHint().height()};
}

bool StatusPanel::Elided() const { return fontMetrics().horizontalAdvance(text()) > TextRect().width(); }

void StatusPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect place = TextRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, place.width());
  style()->drawItemText(&painter, place, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                        foregroundRole());
}

QString StatusPanel::ToolTipText() const {
  QStringList lines;
  if (Elided()) lines << text();
  if (!note_.isEmpty()) lines << note_;
  return lines.join(u'\n');
}

bool StatusPanel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  if (const QString tip = ToolTipText(); !tip.isEmpty()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace zumoku
