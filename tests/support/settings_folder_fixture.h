#pragma once
// A settings folder of the test's own on disk, holding the three files.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "sjis_text.h"

namespace zumoku::test {

class SettingsFolderTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;

  SettingsFolderTest() {
    WriteSetting("documentclass.txt", "{jsarticle}\r\n[titlepage]{jsbook}\r\n");
    WriteSetting("prinable.txt", "\\usepackage{amsmath}\r\n");
    WriteSetting("author.txt", S("題\r\n著者\r\n\\today\r\n"));
  }
  std::string Folder() const { return folder.path().toStdString() + "/"; }
  QString SettingPath(const char* name) const { return folder.filePath(QLatin1String(name)); }
  void WriteSetting(const char* name, const std::string& bytes) {
    QFile file(SettingPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string ReadSetting(const char* name) const {
    QFile file(SettingPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }
};

}  // namespace zumoku::test
