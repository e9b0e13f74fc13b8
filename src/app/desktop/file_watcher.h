#pragma once
// Tells when the document's file may have been changed by another program.
// Editors that save by writing a new file and renaming it over the old one
// replace the file the system was watching: after each event the name is
// watched again, and its folder shows the file coming back after it was
// deleted or moved away. A burst of events ends in one `changed`.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace zumoku {

class FileWatcher : public QObject {
  Q_OBJECT
 public:
  explicit FileWatcher(QObject* parent);

  // Watches `path` instead of the file watched so far; empty: nothing.
  void Watch(const QString& path);

 signals:
  void changed();

 private:
  void Rewatch();

  QFileSystemWatcher watcher_;
  QTimer settle_;
  QString path_;
};

}  // namespace zumoku
