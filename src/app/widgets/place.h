#pragma once
// Dialogs are laid out by hand to fixed sizes; each control carries its
// component name as objectName.
#include <QRect>
#include <QString>

namespace zumoku {

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(geometry);
  return widget;
}

}  // namespace zumoku
