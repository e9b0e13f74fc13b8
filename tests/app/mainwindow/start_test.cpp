// The program started from another working directory: it reads the settings
// beside its executable, never a "setting" folder of the working directory.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/dialogs/document_settings_dialog.h"
#include "app/dialogs/splash_window.h"
#include "app/mainwindow/main_window.h"
#include "encoding/codec.h"
#include "encoding/line_ends.h"
#include "modal_script.h"
#include "shown_caption.h"

namespace zumoku::test {

namespace {
QStringList FileLines(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QStringList lines;
  for (const std::string& line : SplitLoadedLines(file.readAll().toStdString()))
    lines << codec::Decode(line, Encoding::kShiftJis);
  return lines;
}

void WriteDecoy(const QString& name) {
  QFile file(QStringLiteral("setting/") + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("{decoy}\r\n{decoy}\r\n{decoy}\r\n");
}
}  // namespace

TEST(Start, SettingsComeFromBesideTheExecutable) {
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/setting/");
  ASSERT_NE(QDir::current(), QDir(QCoreApplication::applicationDirPath()));
  ASSERT_TRUE(QDir::current().mkpath(QStringLiteral("setting")));
  for (const char* name : {"documentclass.txt", "prinable.txt", "author.txt"}) WriteDecoy(QLatin1String(name));

  QStringList entries, title;
  {
    ModalScript script({[](QDialog* splash) { qobject_cast<TForm4*>(splash)->BitBtn1->click(); },
                        [&](QDialog* dialog) {
                          auto* form3 = qobject_cast<TForm3*>(dialog);
                          if (form3 == nullptr) {
                            ADD_FAILURE() << "not the settings dialog: " << dialog->windowTitle().toStdString();
                            return dialog->reject();
                          }
                          for (int i = 0; i < form3->ComboBox1->count(); ++i) entries << form3->ComboBox1->itemText(i);
                          title << form3->Edit1->text() << form3->Edit2->text() << form3->Edit3->text();
                          form3->Button1->click();
                        }});
    TForm1 form1({.splash = true});
    EXPECT_EQ(ShownCaption(form1), QStringLiteral("Zumoku - NEW_File.tex"));
    EXPECT_EQ(form1.Buffer().Lines().Get(0), "\\documentclass{jsarticle}");
  }
  EXPECT_EQ(entries, FileLines(beside + QStringLiteral("documentclass.txt")));
  EXPECT_EQ(title, FileLines(beside + QStringLiteral("author.txt")));
  EXPECT_FALSE(entries.contains(QStringLiteral("{decoy}")));
}

}  // namespace zumoku::test
