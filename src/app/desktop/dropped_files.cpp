#include "app/desktop/dropped_files.h"

#include <QMimeData>
#include <QUrl>

namespace zumoku {

QStringList LocalFiles(const QMimeData* data) {
  QStringList paths;
  if (!data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace zumoku
