#pragma once
// The last texts searched for in this run, newest first, in the find bar's
// drop-down list.
#include <QComboBox>

namespace zumoku {

// Puts `text` at the top of the box's list, once, keeping at most kSearchHistory
// entries; the text being edited stays as it is.
void RememberSearch(QComboBox& box, const QString& text);

inline constexpr int kSearchHistory = 10;

}  // namespace zumoku
