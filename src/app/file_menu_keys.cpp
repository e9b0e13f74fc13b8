#include "app/file_menu_keys.h"

#include <QAction>
#include <QKeySequence>

namespace zumoku {

namespace {
struct FileMenuKey {
  const char* action;
  QKeySequence::StandardKey key;
  // For platforms whose key scheme has no such key (Windows has none for
  // Save As and Quit), so the keys are the same everywhere.
  QKeyCombination fallback;
};

constexpr FileMenuKey kFileMenuKeys[] = {
    {"N2", QKeySequence::New, Qt::CTRL | Qt::Key_N},
    {"Open1", QKeySequence::Open, Qt::CTRL | Qt::Key_O},
    {"Save1", QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    {"SaveAs1", QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"Exit1", QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
};
}  // namespace

void SetFileMenuKeys(const QObject& form) {
  for (const FileMenuKey& entry : kFileMenuKeys) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(entry.key);
    form.findChild<QAction*>(QLatin1String(entry.action))
        ->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{QKeySequence(entry.fallback)} : keys);
  }
}

}  // namespace zumoku
