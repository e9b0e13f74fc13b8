// Takes the README's picture of a paper of several files: a chapter open,
// status panel 4 naming its root, and the section manager listing the heads
// of every file, drawn beside the main window. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/screenshots/paper_screenshot out.png
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "app/dialogs/section_manager.h"
#include "app/mainwindow/main_window.h"
#include "screenshot_steps.h"
#include "sjis_text.h"

namespace {

using zumoku::test::S;

bool WritePaper(const QTemporaryDir& folder) {
  const auto write = [&folder](const char* name, const std::string& text) {
    return zumoku::screenshot::WriteFile(folder.filePath(QString::fromUtf8(name)), S(text));
  };
  return write("main.tex",
               "\\documentclass{jsbook}\r\n\\begin{document}\r\n\\tableofcontents\r\n\\input{chap1}\r\n"
               "\\input{sub/chap2}\r\n\\section{おわりに}\r\n\\bibliography{refs}\r\n\\end{document}\r\n") &&
         write("chap1.tex",
               "% !TEX root = main.tex\r\n\\section{はじめに}\r\n本論文では、複数のファイルからなる文書を扱う。\r\n"
               "\\section{関連研究}\r\n先行研究を概観する。\r\n\\input{chap1_table}\r\n") &&
         write("chap1_table.tex", "\\section{比較表}\r\n") && QDir(folder.path()).mkdir(QStringLiteral("sub")) &&
         write("sub/chap2.tex",
               "% !TEX root = ../main.tex\r\n\\section{提案手法}\r\n\\section{実験}\r\n\\section{考察}\r\n");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QTemporaryDir folder;
  if (!WritePaper(folder)) return 1;
  zumoku::TForm1 form;
  form.show();
  form.resize(900, 560);  // after the window placed itself
  form.OpenFile(folder.filePath(QStringLiteral("chap1.tex")));
  form.N58Click();
  auto* manager = form.findChild<zumoku::TSectionManager*>();
  if (manager == nullptr) return 1;
  const QPixmap window = form.grab(), list = manager->grab();
  QPixmap both(window.width() + list.width() + 16, std::max(window.height(), list.height()));
  both.fill(QColor(0xe0, 0xe0, 0xe0));
  QPainter painter(&both);
  painter.drawPixmap(0, 0, window);
  painter.drawPixmap(window.width() + 16, 0, list);
  painter.end();
  return both.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
