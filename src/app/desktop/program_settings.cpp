#include "app/desktop/program_settings.h"

#include <QDir>

namespace zumoku {

namespace {
const QString kRecent = QStringLiteral("files/recent");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kState = QStringLiteral("window/state");

// A path holds "/", which QSettings reads as a group.
QString PaperRootKey(const QString& document) {
  return QStringLiteral("paperRoots/") + QString::fromLatin1(document.toUtf8().toPercentEncoding());
}
}  // namespace

ProgramSettings::ProgramSettings(const QString& dataFolder)
    : settings_(QDir(dataFolder).filePath(QStringLiteral("zumoku.ini")), QSettings::IniFormat) {}

options::ReadOptions ProgramSettings::Options() const {
  return options::ReadProgramOptions([this](const std::string& key) -> std::optional<std::string> {
    const QVariant value = settings_.value(QString::fromStdString(key));
    if (!value.isValid()) return std::nullopt;
    // Commas outside quotes, as a hand-edited file may have, make a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',').toStdString();
    return value.toString().toStdString();
  });
}

void ProgramSettings::SetOptions(const options::ProgramOptions& options) {
  for (const auto& [key, text] : options::OptionValues(options)) {
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(text));
  }
  settings_.sync();
}

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

QString ProgramSettings::PaperRoot(const QString& document) const {
  return settings_.value(PaperRootKey(document)).toString();
}

void ProgramSettings::SetPaperRoot(const QString& document, const QString& root) {
  if (root.isEmpty()) {
    settings_.remove(PaperRootKey(document));
  } else {
    settings_.setValue(PaperRootKey(document), root);
  }
}

}  // namespace zumoku
