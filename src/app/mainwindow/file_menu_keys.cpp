#include "app/mainwindow/file_menu_keys.h"

namespace zumoku {

void SetStandardKeys(QAction& action, QKeySequence::StandardKey key, QKeyCombination fallback) {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  action.setShortcuts(keys.isEmpty() ? QList<QKeySequence>{QKeySequence(fallback)} : keys);
}

}  // namespace zumoku
