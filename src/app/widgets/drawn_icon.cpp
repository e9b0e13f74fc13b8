#include "app/widgets/drawn_icon.h"

#include <QPixmap>

namespace zumoku {

QIcon DrawIcon(int size, const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p);
  return QIcon(pixmap);
}

}  // namespace zumoku
