// memo1's reading aids on a 50 MB document: opening with highlighting and
// line numbers against opening without them; a keystroke in the middle of
// the document against one in an empty document, highlighting on, each
// painted; jumping to the last line and painting it against painting the
// first page of a freshly opened document.
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <chrono>
#include <functional>
#include <memory>

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
  void CaretToBlock(const QTextBlock& block) {
    memo.setTextCursor(QTextCursor(block));
    memo.ensureCursorVisible();
  }
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
    editor.CaretToBlock(editor.memo.document()->firstBlock());
    editor.Paint();
  });
}

void JumpToLastLineAndPaint(benchmark::State& state) {
  TimeOnFreshDocument(state, state.range(0) != 0, [](Editor& editor) {
    editor.CaretToBlock(editor.memo.document()->lastBlock());
    editor.Paint();
  });
}

// A typed key, painted, with the caret in the middle of the document (or
// in an empty one); the second argument turns the aids on.
void Keystroke(benchmark::State& state) {
  Editor editor(state.range(1) != 0);
  if (state.range(0) != 0) editor.buffer.Load(LargeDocument(), Encoding::kShiftJis);
  const QTextDocument& document = *editor.memo.document();
  editor.CaretToBlock(document.findBlockByNumber(document.blockCount() / 2));
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

}  // namespace

BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(PaintFirstPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(JumpToLastLineAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(Keystroke)->Args({0, 1})->Args({1, 1})->Args({1, 0})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  const std::string manual = "/iterations:3/manual_time";
  return RunBenchmarks(
      argc, argv,
      {
          {"opening 50 MB, highlighting and line numbers / without", "Open/1" + manual, "Open/0" + manual},
          {"a painted keystroke, middle of 50 MB / empty, highlighting on", "Keystroke/1/1", "Keystroke/0/1"},
          {"the same keystroke in 50 MB, highlighting on / off", "Keystroke/1/1", "Keystroke/1/0"},
          {"jump to the last line of 50 MB and paint / paint the first page, highlighting on",
           "JumpToLastLineAndPaint/1" + manual, "PaintFirstPage/1" + manual},
          {"the same without the reading aids", "JumpToLastLineAndPaint/0" + manual, "PaintFirstPage/0" + manual},
      });
}
