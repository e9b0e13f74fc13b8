#include "app/widgets/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace zumoku {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 2, 2, 2);
  layout->setSpacing(0);
  const int perColumn = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int index = 0; index < items.size(); ++index) {
    auto* button = new QRadioButton(items.at(index), this);
    buttons_->addButton(button, index);
    layout->addWidget(button, index % perColumn, index / perColumn);
  }
  for (int column = 0; column < columns; ++column) layout->setColumnStretch(column, 1);
}

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

}  // namespace zumoku
