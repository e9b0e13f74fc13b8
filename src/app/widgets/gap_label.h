#pragma once
// A label whose ideographic blanks leave room for controls laid over it.
// The layouts were drawn for a proportional window font whose ideographic
// blank is about two thirds of a character wide; gothic fonts that make it a
// full character wide would push the words under those controls.
#include <QLabel>

namespace zumoku {

class GapLabel : public QLabel {
  Q_OBJECT
 public:
  GapLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zumoku
