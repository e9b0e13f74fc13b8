#pragma once
// The program's own settings, kept in one INI file (zumoku.ini) in its data
// folder: the options of "プログラムの設定", the recent files, the window's
// place and layout, and the folder the file dialogs last showed. Each value
// is written when it changes, so a crash keeps it; QSettings replaces the
// file as a whole, never leaving it half-written.
#include <QByteArray>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

#include "options/option_values.h"

namespace zumoku {

class ProgramSettings {
 public:
  // The settings file in `dataFolder`.
  explicit ProgramSettings(const QString& dataFolder);

  // The options, a value that cannot be read taking its default.
  options::ReadOptions Options() const;
  void SetOptions(const options::ProgramOptions& options);

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

  // The root of a document's paper, set by hand or chosen from the files
  // that read it; empty when none. An empty `root` forgets it.
  QString PaperRoot(const QString& document) const;
  void SetPaperRoot(const QString& document, const QString& root);

 private:
  mutable QSettings settings_;
};

}  // namespace zumoku
