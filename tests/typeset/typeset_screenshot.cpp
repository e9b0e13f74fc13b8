// Takes the README's picture of typesetting: the main window after a good
// run and then a run with an error, so that the log lists the error while
// the PDF panel keeps the last good PDF. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/typeset/typeset_screenshot out.png
#include <QApplication>
#include <QTemporaryDir>
#include <string>

#include "app/tform1.h"
#include "buffer/sjis_literal.h"
#include "screenshot_steps.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("論文.tex"));
  const std::string good = zumoku::Sjis(
      "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\section{はじめに}\r\n"
      "これは Zumoku でタイプセットした文書です。Shift\\_JIS の原稿から PDF までキー一つで進みます。\r\n\r\n"
      "\\section{数式}\r\n円の面積は $S = \\pi r^2$ です。\r\n\\begin{equation}\r\n  e^{i\\pi} + 1 = 0\r\n"
      "\\end{equation}\r\n\\end{document}\r\n");
  std::string bad = good;
  bad.replace(bad.find("\\pi r"), 3, "\\pii");  // an error on line 7

  zumoku::TForm1 form;
  form.show();
  form.resize(1200, 760);  // after the window placed itself
  for (const std::string* text : {&good, static_cast<const std::string*>(&bad)}) {
    if (!zumoku::screenshot::WriteFile(path, *text)) return 1;
    form.DropFiles({path});
    if (!zumoku::screenshot::TypesetAndWait(form)) return 1;
  }
  return zumoku::screenshot::GrabWithCaretOn(form, 3, argv[1]) ? 0 : 1;
}
