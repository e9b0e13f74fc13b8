// Takes the README's picture of typesetting: the main window after a good
// run and then a run with an error, so that the log lists the error while
// the PDF panel keeps the last good PDF. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/typeset/typeset_screenshot out.png
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <string>

#include "app/tform1.h"
#include "app/typeset_controller.h"
#include "buffer/sjis_literal.h"

namespace {

bool TypesetAndWait(zumoku::TForm1& form) {
  auto& runner = form.findChild<zumoku::Typesetting*>()->Runner();
  QSignalSpy finished(&runner, &zumoku::typeset::TypesetRunner::finished);
  form.Typeset1Click();
  return !finished.isEmpty() || finished.wait(30000);
}

bool WriteFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

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
    if (!WriteFile(path, *text)) return 1;
    form.DropFiles({path});
    if (!TypesetAndWait(form)) return 1;
  }
  form.memo1->setTextCursor(QTextCursor(form.memo1->document()->findBlockByNumber(3)));
  QSignalSpy settle(&app, &QApplication::focusChanged);
  settle.wait(800);  // the caret's highlight and the pages' rendering
  return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
