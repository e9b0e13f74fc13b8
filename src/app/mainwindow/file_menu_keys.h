#pragma once
// The usual keys of the "ファイル" menu entries. The edit keys stay with the
// editor, which handles them itself.
#include <QAction>
#include <QKeySequence>

namespace zumoku {

// Gives `action` the platform's keys for `key`, which the menu then shows
// beside the caption, or `fallback` where the platform's key scheme has none
// (Windows has none for Save As and Quit), so the keys are the same
// everywhere.
void SetStandardKeys(QAction& action, QKeySequence::StandardKey key, QKeyCombination fallback);

}  // namespace zumoku
