#include "up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zumoku {

namespace {
QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  return button;
}
}  // namespace

UpDown::UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QToolButton* up = ArrowButton(Qt::UpArrow, this);
  QToolButton* down = ArrowButton(Qt::DownArrow, this);
  layout->addWidget(up);
  layout->addWidget(down);
  connect(up, &QToolButton::clicked, this, &UpDown::StepUp);
  connect(down, &QToolButton::clicked, this, &UpDown::StepDown);
  associate_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  bool isNumber = false;
  const int shown = associate_->text().toInt(&isNumber);
  position_ = std::clamp((isNumber ? shown : position_) + delta, min_, max_);
  associate_->setText(QString::number(position_));
}

}  // namespace zumoku
