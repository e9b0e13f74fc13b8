#include "app/desktop/data_folder.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "desktop_state.h"
#include "sjis_text.h"

namespace zumoku::test {

// An installation under a temporary prefix, and a user's data folder.
class DataFolderRule : public ::testing::Test {
 protected:
  QTemporaryDir root;
  DataPlaces places{Path("prefix/bin"), Path("home/zumoku"), InstalledSettingsFolder(Path("prefix/bin"))};

  DataFolderRule() {
    QDir().mkpath(places.executableFolder);
    QDir().mkpath(places.installedSettings);
  }
  QString Path(const char* relative) const { return root.filePath(QLatin1String(relative)); }
  static void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  static std::string Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
  }
  QString UserSetting(const char* name) const { return places.userFolder + QStringLiteral("/setting/") + name; }
  QString Installed(const char* name) const { return places.installedSettings + u'/' + QLatin1String(name); }
};

TEST_F(DataFolderRule, InstalledDefaultsLieUnderTheExecutablesPrefix) {
  EXPECT_EQ(places.installedSettings, Path("prefix/share/zumoku/setting"));
}

TEST_F(DataFolderRule, ASettingFolderBesideTheExecutableMakesItPortable) {
  ASSERT_TRUE(QDir(places.executableFolder).mkdir(QStringLiteral("setting")));
  Write(Installed("author.txt"), S("題名\r\n"));
  EXPECT_EQ(DataFolder(places), places.executableFolder);
  EXPECT_FALSE(QDir(places.userFolder).exists());
}

TEST_F(DataFolderRule, WithoutAUserFolderNothingIsWrittenIntoTheWorkingFolder) {
  {
    CurrentFolder current(root.path());
    EXPECT_EQ(DataFolder({places.executableFolder, QString(), places.installedSettings}), places.executableFolder);
  }
  EXPECT_FALSE(QDir(root.path()).exists(QStringLiteral("setting")));
}

TEST_F(DataFolderRule, AnInstalledProgramFillsTheUserFolderOnceAndKeepsTheUsersChanges) {
  Write(Installed("author.txt"), S("題名\r\n著者\r\n日付\r\n"));
  Write(Installed("prinable.txt"), S("\\usepackage{amsmath}\r\n"));
  QFile::setPermissions(Installed("author.txt"), QFile::ReadOwner | QFile::ReadOther);  // as root installs it
  EXPECT_EQ(DataFolder(places), places.userFolder);
  EXPECT_EQ(Read(UserSetting("author.txt")), S("題名\r\n著者\r\n日付\r\n"));
  EXPECT_EQ(Read(UserSetting("prinable.txt")), S("\\usepackage{amsmath}\r\n"));
  EXPECT_TRUE(QFile::permissions(UserSetting("author.txt")) & QFile::WriteOwner);

  // The user edits a file; an upgrade changes the defaults and adds one.
  Write(UserSetting("author.txt"), S("私の題名\r\n"));
  QFile::remove(Installed("prinable.txt"));
  Write(Installed("prinable.txt"), S("新しい既定\r\n"));
  Write(Installed("documentclass.txt"), S("{jsarticle}\r\n"));
  EXPECT_EQ(DataFolder(places), places.userFolder);
  EXPECT_EQ(Read(UserSetting("author.txt")), S("私の題名\r\n"));
  EXPECT_EQ(Read(UserSetting("prinable.txt")), S("\\usepackage{amsmath}\r\n"));
  EXPECT_EQ(Read(UserSetting("documentclass.txt")), S("{jsarticle}\r\n"));
}

TEST_F(DataFolderRule, TheRunningProgramUsesItsPerUserDataFolder) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", Path("xdg").toLocal8Bit());
  const QString folder = DataFolder();
  saved.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved);
  // The test program has no folder "setting" beside it, like an installed one.
  EXPECT_EQ(folder, Path("xdg/") + QCoreApplication::applicationName());
  EXPECT_TRUE(QDir(folder + QStringLiteral("/setting")).exists());
}

}  // namespace zumoku::test
