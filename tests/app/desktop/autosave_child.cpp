// A program for the recovery tests to kill: it opens a document, types the
// bytes of another file after its text, autosaves, prints "written" and
// waits to be killed. Arguments: the data folder, the document, the file
// of bytes to type.
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <cstdio>

#include "app/desktop/autosave.h"
#include "app/mainwindow/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 4) return 2;
  zumoku::TForm1 form({.dataFolder = QString::fromLocal8Bit(argv[1])});
  form.OpenFile(QString::fromLocal8Bit(argv[2]));
  QFile typed(QString::fromLocal8Bit(argv[3]));
  if (!typed.open(QIODevice::ReadOnly)) return 2;
  form.Buffer().SetSelStart(static_cast<int>(form.Buffer().Text().size()));
  form.Buffer().SetSelText(typed.readAll().toStdString());

  auto* autosave = form.findChild<zumoku::Autosave*>(QStringLiteral("Autosave1"));
  QSignalSpy written(autosave, &zumoku::Autosave::written);
  autosave->SaveNow();
  if (!written.wait(30000) || !written.first().first().toBool()) return 1;
  std::puts("written");
  std::fflush(stdout);
  return QApplication::exec();
}
