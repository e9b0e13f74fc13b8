#pragma once
// Files dragged onto the program, in the order of the drag.
#include <QStringList>

class QMimeData;

namespace zumoku {

// The local files among the dragged URLs, as full paths.
QStringList LocalFiles(const QMimeData* data);

}  // namespace zumoku
