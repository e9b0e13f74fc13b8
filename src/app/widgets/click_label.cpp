#include "app/widgets/click_label.h"

#include <QMouseEvent>

namespace zumoku {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setMouseTracking(true); }

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  QLabel::mouseMoveEvent(event);
}

// A click is a left button let go over the label.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace zumoku
