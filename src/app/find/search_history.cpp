#include "app/find/search_history.h"

namespace zumoku {

void RememberSearch(QComboBox& box, const QString& text) {
  const QString editing = box.currentText();
  const int known = box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (known == 0) return;
  if (known > 0) box.removeItem(known);
  box.insertItem(0, text);
  while (box.count() > kSearchHistory) box.removeItem(box.count() - 1);
  box.setEditText(editing);
}

}  // namespace zumoku
