#include "app/desktop/program_settings.h"

#include <QDir>

namespace zumoku {

namespace {
constexpr int kDefaultAutosaveSeconds = 60;
const QString kAutosave = QStringLiteral("autosave/intervalSeconds");
const QString kRecent = QStringLiteral("files/recent");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kState = QStringLiteral("window/state");
}  // namespace

ProgramSettings::ProgramSettings(const QString& dataFolder)
    : settings_(QDir(dataFolder).filePath(QStringLiteral("zumoku.ini")), QSettings::IniFormat) {}

int ProgramSettings::AutosaveSeconds() const {
  bool valid = false;
  const int seconds = settings_.value(kAutosave, kDefaultAutosaveSeconds).toInt(&valid);
  return valid && seconds >= 0 ? seconds : kDefaultAutosaveSeconds;
}

void ProgramSettings::SetAutosaveSeconds(int seconds) { settings_.setValue(kAutosave, seconds); }

QStringList ProgramSettings::RecentFiles() const { return settings_.value(kRecent).toStringList(); }

void ProgramSettings::SetRecentFiles(const QStringList& paths) { settings_.setValue(kRecent, paths); }

std::optional<ProgramSettings::WindowPlace> ProgramSettings::Window() const {
  const QRect geometry = settings_.value(kGeometry).toRect();
  if (!geometry.isValid()) return std::nullopt;
  return WindowPlace{geometry, settings_.value(kMaximized).toBool(), settings_.value(kState).toByteArray()};
}

void ProgramSettings::SetWindow(const WindowPlace& place) {
  settings_.setValue(kGeometry, place.geometry);
  settings_.setValue(kMaximized, place.maximized);
  settings_.setValue(kState, place.state);
}

QString ProgramSettings::LastFolder() const { return settings_.value(kLastFolder).toString(); }

void ProgramSettings::SetLastFolder(const QString& folder) { settings_.setValue(kLastFolder, folder); }

}  // namespace zumoku
