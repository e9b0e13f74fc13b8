#include "app/widgets/tool_bar_items.h"

namespace zumoku {

QToolButton* AddToolButton(QToolBar* bar, const char* name, const QIcon& icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QLatin1String(name));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(icon);
  bar->addWidget(button);
  return button;
}

void AddToolGap(QToolBar* bar) {
  auto* gap = new QWidget(bar);
  gap->setFixedWidth(8);
  bar->addWidget(gap);
}

}  // namespace zumoku
