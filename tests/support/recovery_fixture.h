#pragma once
// A main window whose program settings and recovery files live in a data
// folder of the test's own, with what the recovery tests share: the unsaved
// text (raw Shift_JIS bytes), an autosave waited for, and the recovery files.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "app/desktop/autosave.h"
#include "app/mainwindow/main_window.h"
#include "settings_folder_fixture.h"

namespace zumoku::test {

// "\section{復元}" in Shift_JIS.
inline const std::string kTypedBytes = "\\section{\x95\x9c\x8c\xb3}";

inline std::string ReadBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

inline void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Types at the end of the text, as the user would.
inline void TypeAtEnd(TForm1& form, const std::string& bytes) {
  form.Buffer().SetSelStart(static_cast<int>(form.Buffer().Text().size()));
  form.Buffer().SetSelText(bytes);
}

// Autosaves `form` now and waits for the write; its result.
inline bool AutosaveNow(TForm1& form) {
  auto* autosave = form.findChild<Autosave*>(QStringLiteral("Autosave1"));
  EXPECT_NE(autosave, nullptr);
  QSignalSpy written(autosave, &Autosave::written);
  autosave->SaveNow();
  EXPECT_TRUE(written.wait(10000));
  return !written.isEmpty() && written.first().first().toBool();
}

// The recovery files in `dataFolder` (their records left out): name -> bytes.
inline std::map<QString, std::string> RecoveryFiles(const QString& dataFolder) {
  std::map<QString, std::string> files;
  const QDir folder(QDir(dataFolder).filePath(QStringLiteral("recovery")));
  for (const QString& name : folder.entryList(QDir::Files)) {
    if (!name.endsWith(QStringLiteral(".record"))) files[name] = ReadBytes(folder.filePath(name));
  }
  return files;
}

// Public: the rows of table tests act through it.
class RecoveryTest : public SettingsFolderTest {
 public:
  QTemporaryDir data;
  QTemporaryDir documents;

  RecoveryTest() { QApplication::setQuitOnLastWindowClosed(false); }
  std::unique_ptr<TForm1> NewForm() {
    return std::make_unique<TForm1>(TForm1::StartUp{.settingsFolder = Folder(), .dataFolder = data.path()});
  }
  QString WriteDocument(const QString& name, const std::string& bytes) {
    const QString path = documents.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteBytes(path, bytes);
    return path;
  }
};

}  // namespace zumoku::test
