// Takes the README's picture of typesetting: the main window after a good
// run and then a run with an error typed into the editor, so that the log
// lists the error while the PDF panel keeps the last good PDF, with the
// caret on a matrix line whose many boxes are highlighted as one. Run under
// Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/typeset/typeset_screenshot out.png
#include <QApplication>
#include <QTemporaryDir>
#include <string>

#include "app/mainwindow/main_window.h"
#include "screenshot_steps.h"
#include "sjis_text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("論文.tex"));
  const std::string good = zumoku::test::S(
      "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n\\section{はじめに}\r\n"
      "これは Zumoku でタイプセットした文書です。Shift\\_JIS の原稿から PDF までキー一つで進みます。\r\n\r\n"
      "\\section{数式}\r\n円の面積は $S = \\pi r^2$ です。\r\n\\begin{gather}\r\n"
      "  A = \\begin{pmatrix} a_{11} & a_{12} & a_{13} \\\\ a_{21} & a_{22} & a_{23} \\\\ a_{31} & a_{32} & a_{33} "
      "\\end{pmatrix}, \\quad e^{i\\pi} + 1 = 0\r\n\\end{gather}\r\n\\end{document}\r\n");
  constexpr int kMatrixLine = 10;

  zumoku::TForm1 form;
  form.show();
  form.resize(1200, 760);  // after the window placed itself
  if (!zumoku::screenshot::WriteFile(path, good)) return 1;
  form.OpenFile(path);
  if (!zumoku::screenshot::TypesetAndWait(form)) return 1;
  // An error on line 8, typed as a user would; the run saves it first.
  form.Buffer().SetSelStart(static_cast<int>(good.find("\\pi r")));
  form.Buffer().SetSelLength(3);
  form.Buffer().SetSelText("\\pii");
  if (!zumoku::screenshot::TypesetAndWait(form)) return 1;
  return zumoku::screenshot::GrabWithCaretOn(form, kMatrixLine - 1, argv[1]) ? 0 : 1;
}
