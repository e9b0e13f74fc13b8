// Takes the README's picture of "画像を貼り付ける": a chart copied to the
// clipboard is pasted with its caption selected, then typeset, so the editor
// shows the figure block and the PDF panel the figure. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tests/typeset/picture_screenshot out.png
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "app/mainwindow/main_window.h"
#include "screenshot_steps.h"
#include "sjis_text.h"

namespace {

// A bar chart, as a user would copy one from a spreadsheet.
QImage Chart() {
  QImage chart(480, 300, QImage::Format_RGB32);
  chart.fill(Qt::white);
  QPainter painter(&chart);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(50, 260, 460, 260);
  painter.drawLine(50, 260, 50, 20);
  const int heights[] = {90, 140, 120, 200, 230};
  for (int bar = 0; bar < 5; ++bar) {
    painter.fillRect(QRect(80 + bar * 75, 260 - heights[bar], 50, heights[bar]), QColor(0x3a, 0x6e, 0xa5));
  }
  return chart;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("report.tex"));
  const std::string caption = zumoku::test::S("四半期ごとの売上の推移");
  const std::string text = zumoku::test::S(
                               "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\section{売上}\r\n"
                               "売上は年を通して伸びました（図\\ref{fig:fig1}）。\r\n") +
                           caption + "\r\n\\end{document}\r\n";
  if (!zumoku::screenshot::WriteFile(path, text)) return 1;

  zumoku::TForm1 form;
  form.show();
  form.resize(1200, 760);  // after the window placed itself
  form.OpenFile(path);
  zumoku::EditBuffer& buffer = form.Buffer();
  buffer.SetSelStart(static_cast<int>(text.find(caption)));
  buffer.SetSelLength(static_cast<int>(caption.size()));
  QApplication::clipboard()->setImage(Chart());
  emit form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->aboutToShow();
  form.findChild<QAction*>(QStringLiteral("N53"))->trigger();

  for (int run = 0; run < 2; ++run) {  // the second run resolves the reference
    if (!zumoku::screenshot::TypesetAndWait(form)) return 1;
  }
  // The caret on the sentence, whose highlight in the PDF then leaves the
  // figure's colours alone.
  return zumoku::screenshot::GrabWithCaretOn(form, 4, argv[1]) ? 0 : 1;
}
