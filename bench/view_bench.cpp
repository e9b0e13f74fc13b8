// memo1's reading aids on a 50 MB document: opening with highlighting and
// line numbers against opening without them; a keystroke in the middle of
// the document against one in an empty document, highlighting on, each
// painted; jumping to the last line and painting it against painting the
// first page of a freshly opened document; an idle step carrying a new state
// through long Japanese lines against one through short lines.
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "app/editor/reading_aids.h"
#include "bench_support.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kLarge = 50u << 20;
constexpr int kLineLength = 64;  // typed lines end now and then

const std::string& LargeDocument() {
  static const std::string document = MakeDocument(kLarge);
  return document;
}

// memo1 as the main window shows it, with or without its reading aids.
struct Editor {
  Memo memo;
  MemoBuffer buffer{memo};
  explicit Editor(bool aids) {
    if (aids) AddReadingAids(memo);
    memo.resize(637, 400);
    memo.show();
    QApplication::processEvents();
  }
  void Paint() { memo.viewport()->repaint(); }
  void CaretToLine(int line) { memo.GoToLine(line); }
};

// Times `measure` on a fresh editor with the large document just loaded.
void TimeOnFreshDocument(benchmark::State& state, bool aids, const std::function<void(Editor&)>& measure,
                         bool timeTheLoad = false) {
  for (auto _ : state) {
    Editor editor(aids);
    const auto start = std::chrono::steady_clock::now();
    editor.buffer.Load(LargeDocument(), Encoding::kShiftJis);
    auto measured = start;
    if (!timeTheLoad) measured = std::chrono::steady_clock::now();
    measure(editor);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - measured;
    state.SetIterationTime(elapsed.count());
  }
}

void OpenAndPaint(Editor& editor) {
  QApplication::processEvents();  // the layout and paint work the widget defers
  editor.Paint();
}

void Open(benchmark::State& state) { TimeOnFreshDocument(state, state.range(0) != 0, OpenAndPaint, true); }

void PaintFirstPage(benchmark::State& state) {
  TimeOnFreshDocument(state, state.range(0) != 0, [](Editor& editor) {
    editor.CaretToLine(0);
    editor.Paint();
  });
}

void JumpToLastLineAndPaint(benchmark::State& state) {
  TimeOnFreshDocument(state, state.range(0) != 0, [](Editor& editor) {
    editor.CaretToLine(editor.memo.LineCount() - 1);
    editor.Paint();
  });
}

// A typed key, painted, with the caret in the middle of the document (or
// in an empty one); the second argument turns the aids on.
void Keystroke(benchmark::State& state) {
  Editor editor(state.range(1) != 0);
  if (state.range(0) != 0) editor.buffer.Load(LargeDocument(), Encoding::kShiftJis);
  editor.CaretToLine(editor.memo.LineCount() / 2);
  editor.Paint();
  int column = 0;
  for (auto _ : state) {
    const bool lineEnd = ++column % kLineLength == 0;
    QKeyEvent press(QEvent::KeyPress, lineEnd ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                    lineEnd ? QStringLiteral("\r") : QStringLiteral("a"));
    QApplication::sendEvent(&editor.memo, &press);
    editor.Paint();
  }
}

// Lines each highlighted once, the editor hidden: a formula opened or closed
// in the first line is carried through all of them in idle steps. Times the
// median pass of the event loop until the last line has it; the argument
// picks 2000 long Japanese lines (about 600 characters each) or 20000 short
// ones, either more than one step's work.
void IdleStep(benchmark::State& state) {
  const bool longLines = state.range(0) != 0;
  const std::string prose = Sjis("日本語の文章が長く続きます。\\textbf{強調}と$x^2$の式、{括弧}も入ります。");
  std::string line = "\\section{a}";
  if (longLines) line.clear();
  for (int i = 0; i < (longLines ? 14 : 0); ++i) line += prose;
  std::string text;
  for (int i = 0; i < (longLines ? 2000 : 20000); ++i) text += line + "\r\n";
  Editor editor(true);
  editor.buffer.Load(text, Encoding::kShiftJis);
  for (int line = 0; line < editor.memo.LineCount(); line += 10) {
    editor.CaretToLine(line);
    editor.Paint();
  }
  // The highlighter's line states, which only the editor's own document holds.
  const QTextDocument& document = *editor.memo.document();
  editor.memo.hide();  // the passes then hold the idle steps alone, no painting
  bool opened = false;
  for (auto _ : state) {
    const int before = document.lastBlock().previous().userState();
    QTextCursor first(document.firstBlock());
    opened = !opened;
    if (opened) {
      first.insertText(QStringLiteral("$"));
    } else {
      first.deleteChar();
    }
    std::vector<double> passes;
    while (document.lastBlock().previous().userState() == before) {
      const auto start = std::chrono::steady_clock::now();
      QApplication::processEvents();
      passes.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(passes.begin(), passes.begin() + passes.size() / 2, passes.end());
    state.SetIterationTime(passes[passes.size() / 2]);
  }
}

}  // namespace

BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(PaintFirstPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(JumpToLastLineAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(Keystroke)->Args({0, 1})->Args({1, 1})->Args({1, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(IdleStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);

int main(int argc, char** argv) {
  const std::string manual = "/iterations:3/manual_time";
  const std::string six = "/iterations:6/manual_time";
  return RunBenchmarks(
      argc, argv,
      {
          {"opening 50 MB, highlighting and line numbers / without", "Open/1" + manual, "Open/0" + manual},
          {"a painted keystroke, middle of 50 MB / empty, highlighting on", "Keystroke/1/1", "Keystroke/0/1"},
          {"the same keystroke in 50 MB, highlighting on / off", "Keystroke/1/1", "Keystroke/1/0"},
          {"jump to the last line of 50 MB and paint / paint the first page, highlighting on",
           "JumpToLastLineAndPaint/1" + manual, "PaintFirstPage/1" + manual},
          {"the same without the reading aids", "JumpToLastLineAndPaint/0" + manual, "PaintFirstPage/0" + manual},
          {"an idle step carrying a new state, long Japanese lines / short lines", "IdleStep/1" + six,
           "IdleStep/0" + six},
      });
}
