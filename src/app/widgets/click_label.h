#pragma once
// A label that reports clicks and mouse moves, for the About window's link
// and version labels.
#include <QLabel>

namespace zumoku {

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  ClickLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace zumoku
