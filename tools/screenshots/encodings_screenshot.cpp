// Takes the README's picture of a UTF-8 document: characters Shift_JIS has
// no code for, the format in the status bar, and the dialog of
// "文字コードを変えて保存...". Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/app/encodings_screenshot window.png dialog.png
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "app/dialogs/format_dialog.h"
#include "app/mainwindow/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("paper.tex"));
  const QByteArray text = QStringLiteral(
                              "\\documentclass{ujarticle}\n"
                              "\\begin{document}\n"
                              "\\section{はじめに}\n"
                              "Café の価格は 3 €、絵文字 😀 も UTF-8 ならそのまま書けます。\n"
                              "\\end{document}\n")
                              .toUtf8();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return 1;
  file.close();

  zumoku::TForm1 form;
  form.show();
  form.resize(760, 360);
  form.OpenFile(path);
  QSignalSpy settle(qApp, &QApplication::focusChanged);
  settle.wait(800);
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) return 1;

  zumoku::FormatDialog dialog(&form, {zumoku::Encoding::kUtf8, false, zumoku::LineEndStyle::kLf});
  dialog.show();
  settle.wait(400);
  return dialog.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
