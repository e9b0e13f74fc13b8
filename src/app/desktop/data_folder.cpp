#include "app/desktop/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zumoku {

namespace {
constexpr QLatin1String kSettings("setting");

// Copies the files of `from` that `to` lacks. QFile::copy writes through a
// temporary file (no half-copied settings file) and leaves the copy writable
// by its owner even when the installed file is read-only.
void AddMissingFiles(const QDir& from, const QDir& to) {
  for (const QString& name : from.entryList(QDir::Files)) {
    const QString target = to.filePath(name);
    if (!QFile::exists(target)) QFile::copy(from.filePath(name), target);
  }
}
}  // namespace

QString DataFolder(const DataPlaces& places) {
  const bool portable = QFileInfo(QDir(places.executableFolder).filePath(kSettings)).isDir();
  // Without a home there is no per-user folder: the executable's is the only place left.
  if (portable || places.userFolder.isEmpty()) return places.executableFolder;
  const QDir userSettings(QDir(places.userFolder).filePath(kSettings));
  // Without the folder the settings files simply fail to open, with their message.
  if (QDir().mkpath(userSettings.path())) AddMissingFiles(QDir(places.installedSettings), userSettings);
  return places.userFolder;
}

QString InstalledSettingsFolder(const QString& executableFolder) {
  return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(ZUMOKU_SETTINGS_FROM_BIN)));
}

QString DataFolder() {
  const QString executableFolder = QCoreApplication::applicationDirPath();
  return DataFolder({executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                     InstalledSettingsFolder(executableFolder)});
}

}  // namespace zumoku
