#pragma once
// Where the program keeps the files it writes: the folder "setting" and the
// version file. A copy run from its own folder (the build tree, a portable
// copy) keeps them beside the executable; an installed program cannot write
// there and keeps them in the user's data folder instead.
#include <QString>

namespace zumoku {

struct DataPlaces {
  QString executableFolder;   // the folder that holds the executable
  QString userFolder;         // the per-user data folder
  QString installedSettings;  // the default settings files an installation ships
};

// `executableFolder` when a folder "setting" stands in it, or when there is
// no user folder to go to. Otherwise `userFolder`, after every default file
// that its "setting" lacks has been copied there; files already there are
// never replaced, so the user's changes survive an upgrade.
QString DataFolder(const DataPlaces& places);

// The installed defaults of an executable in <prefix>/bin: <prefix>/share/zumoku/setting.
QString InstalledSettingsFolder(const QString& executableFolder);

// DataFolder for the running program: the executable's folder, its
// QStandardPaths::AppDataLocation and the defaults installed with it.
QString DataFolder();

}  // namespace zumoku
