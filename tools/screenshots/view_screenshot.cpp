// Takes the README's picture of the editor reading LaTeX: colours, line
// numbers, the caret's line and its brace marked, line and column in the
// status bar. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/app/view_screenshot out.png
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <string>

#include "app/mainwindow/main_window.h"
#include "sjis_text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("note.tex"));
  const std::string text = zumoku::test::S(
      "\\documentclass{jsarticle}\r\n"
      "\\usepackage{amsmath} % 数式のため\r\n"
      "\\begin{document}\r\n"
      "\\section{表と能率}\r\n"
      "ソフトウェアの能率は表~\\ref{tab:1}の通り、100\\%です。\r\n"
      "変数 $x^2 + y^2 = r^2$ と \\(\\alpha\\) を使います。\r\n"
      "\\begin{align*}\r\n"
      "  f(x) &= \\frac{1}{2}\\left[ x + \\sqrt{x} \\right] \\\\\r\n"
      "  g(x) &= x^{3}\r\n"
      "\\end{align*}\r\n"
      "\\verb|$ここは%そのまま|と書きます。\r\n"
      "\\begin{verbatim}\r\n"
      "\\section{見出しではない} % $x$\r\n"
      "\\end{verbatim}\r\n"
      "\\end{document}\r\n");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size())) return 1;
  file.close();

  zumoku::TForm1 form;
  form.show();
  form.resize(760, 460);  // after the window placed itself
  form.OpenFile(path);
  // The caret just after the opening brace of \frac's first argument.
  const zumoku::ByteRange line = form.memo1->LineSpan(7);
  form.memo1->SetCaretOffset(line.from + form.memo1->Bytes(line).find("{1}") + 1);
  form.memo1->insertPlainText(QString());
  QSignalSpy settle(qApp, &QApplication::focusChanged);
  settle.wait(800);
  return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
