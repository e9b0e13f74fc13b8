#pragma once
// Menu items carry their component names as objectName, so the program can
// be driven and tested by those names.
#include <QAction>
#include <QMenu>

namespace zumoku {

inline QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
}

inline QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QLatin1String(name));
  return separator;
}

inline QMenu* AddSubmenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* submenu = menu->addMenu(caption);
  submenu->setObjectName(QLatin1String(name));
  submenu->menuAction()->setObjectName(QLatin1String(name));
  return submenu;
}

}  // namespace zumoku
