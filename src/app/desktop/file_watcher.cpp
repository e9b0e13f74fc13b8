#include "app/desktop/file_watcher.h"

#include <QFileInfo>

namespace zumoku {

namespace {
// Long enough for a save by rename to be over, short enough to feel immediate.
constexpr int kSettleMs = 100;
}  // namespace

FileWatcher::FileWatcher(QObject* parent) : QObject(parent) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
  connect(&settle_, &QTimer::timeout, this, [this] {
    Rewatch();
    emit changed();
  });
}

void FileWatcher::Watch(const QString& path) {
  if (path != path_) {
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    path_ = path;
  }
  Rewatch();
}

void FileWatcher::Rewatch() {
  if (path_.isEmpty()) return;
  // A file put in place of the watched one is another file to the system.
  if (watcher_.files().contains(path_)) watcher_.removePath(path_);
  if (QFileInfo::exists(path_)) watcher_.addPath(path_);
  const QString folder = QFileInfo(path_).absolutePath();
  if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
}

}  // namespace zumoku
