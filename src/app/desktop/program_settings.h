#pragma once
// The program's own settings, kept in one INI file (zumoku.ini) in its data
// folder: the autosave interval, the recent files, the window's place and
// layout, and the folder the file dialogs last showed. Each value is written
// when it changes, so a crash keeps it.
#include <QByteArray>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace zumoku {

class ProgramSettings {
 public:
  // The settings file in `dataFolder`.
  explicit ProgramSettings(const QString& dataFolder);

  // Seconds between two autosaves; 0 turns autosave off.
  int AutosaveSeconds() const;
  void SetAutosaveSeconds(int seconds);

  QStringList RecentFiles() const;
  void SetRecentFiles(const QStringList& paths);

  // The window's normal geometry (without the frame), nullopt before the
  // first close; whether it was maximised; its docks and toolbars.
  struct WindowPlace {
    QRect geometry;
    bool maximized = false;
    QByteArray state;  // QMainWindow::saveState
  };
  std::optional<WindowPlace> Window() const;
  void SetWindow(const WindowPlace& place);

  // The folder the Open and Save dialogs last chose a file in.
  QString LastFolder() const;
  void SetLastFolder(const QString& folder);

 private:
  mutable QSettings settings_;
};

}  // namespace zumoku
