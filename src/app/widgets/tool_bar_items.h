#pragma once
// Toolbar buttons carry their component names as objectName, as menu items
// do; they take no focus, so the editor keeps it.
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

namespace zumoku {

// A flat button named `name` at the end of `bar`.
QToolButton* AddToolButton(QToolBar* bar, const char* name, const QIcon& icon);
// The space that sets a group of buttons apart from the one before.
void AddToolGap(QToolBar* bar);

}  // namespace zumoku
