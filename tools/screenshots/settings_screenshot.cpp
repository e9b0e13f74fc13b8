// Takes the README's pictures of "プログラムの設定", one per tab, as the
// window opens it; the 文書 tab with an interval that cannot be read, to
// show the message beside its field. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/app/settings_screenshot docs/settings
// which writes docs/settings_1.png to docs/settings_4.png.
#include <QApplication>
#include <QTest>

#include "app/dialogs/program_settings_dialog.h"
#include "app/mainwindow/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  zumoku::TForm1 form;
  zumoku::options::ProgramOptions options;
  options.typeset.commands.utf8Engine = "uplatex -synctex=1 -interaction=nonstopmode %f";
  zumoku::ProgramSettingsDialog dialog(&form, options);
  dialog.AutosaveEdit->setText(QStringLiteral("60秒"));
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) return 1;
  for (int tab = 0; tab < dialog.Tabs->count(); ++tab) {
    dialog.Tabs->setCurrentIndex(tab);
    const QString path = QStringLiteral("%1_%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(tab + 1);
    if (!dialog.grab().save(path)) return 1;
  }
  return 0;
}
