// Takes the README's picture of the find bar: "置換..." open on a document,
// a regular expression for the section heads, its matches marked. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/app/find_screenshot out.png
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/editor/extra_selection_layers.h"
#include "app/mainwindow/main_window.h"
#include "sjis_text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  zumoku::TForm1 form;
  form.show();
  form.resize(900, 560);  // after the window placed itself
  form.Buffer().Load(
      zumoku::test::S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\section{はじめに}\r\n"
                      "この文書では、ソフトウェアの表示について述べます。\r\n\\subsection{背景}\r\n"
                      "表示の速さは、文書の大きさによらないことが望まれます。\r\n\\section{方法}\r\n"
                      "\\subsection{測定}\r\n測定は同じ計算機で三回ずつ行いました。\r\n\\section{結果}\r\n"
                      "結果を表\\ref{tab:1}に示します。\r\n\\end{document}\r\n"),
      zumoku::Encoding::kShiftJis);
  form.Replace1Click();
  form.findChild<QCheckBox*>(QStringLiteral("RegularExpression"))->setChecked(true);
  form.findChild<QComboBox*>(QStringLiteral("FindText"))->setEditText(QStringLiteral("\\\\(sub)?section\\{"));
  form.findChild<QLineEdit*>(QStringLiteral("ReplaceText"))->setText(QStringLiteral("\\\\\\1section*{"));
  form.FindNext1Click();
  const auto marks = [&] { return form.memo1->Marks(zumoku::MarkLayer::kFindMatches).size(); };
  if (!QTest::qWaitFor([&] { return marks() == 5; })) return 1;
  return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
