// The edit buffer over the real editor widget: typing and selection writes
// must not get slower as the document grows.
#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "markup/font_style.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kLarge = 50u << 20;
// Lines end now and then, as when a person types: one ever-growing line would
// measure its own relayout instead.
constexpr int kLineLength = 64;

// The large document is loaded once (that takes seconds); the empty one is
// made fresh for each benchmark, so that no benchmark inherits another's text.
std::map<std::size_t, std::unique_ptr<TForm1>> windows;

TForm1& Window(std::size_t bytes) {
  auto& window = windows[bytes];
  if (!window || bytes == 0) {
    window = std::make_unique<TForm1>();
    window->show();
    if (bytes > 0) window->Buffer().Load(MakeDocument(bytes), Encoding::kShiftJis);
    QApplication::processEvents();
  }
  return *window;
}

void CaretToEnd(TForm1& window) {
  window.memo1->SetCaretOffset(window.memo1->LineSpan(window.memo1->LineCount() - 1).to);
}

void SelTextWriteAtEnd(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  CaretToEnd(window);
  int column = 0;
  for (auto _ : state) window.Buffer().SetSelText(++column % kLineLength == 0 ? "x\r\n" : "x");
}

void TypeAtEnd(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  CaretToEnd(window);
  int column = 0;
  for (auto _ : state) {
    const bool lineEnd = ++column % kLineLength == 0;
    QKeyEvent press(QEvent::KeyPress, lineEnd ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                    lineEnd ? QStringLiteral("\r") : QStringLiteral("a"));
    QApplication::sendEvent(window.memo1, &press);
  }
}

// A short selection just before the end (the empty document gets the same
// short text first).
void SelectNearEnd(TForm1& window) {
  CaretToEnd(window);
  const std::string text = Sjis("選択範囲のテキスト");
  window.Buffer().SetSelText(text);
  const int length = static_cast<int>(text.size());
  window.Buffer().SetSelStart(window.Buffer().SelStart() - length);
  window.Buffer().SetSelLength(length);
}

void SelTextReadNearEnd(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  SelectNearEnd(window);
  for (auto _ : state) benchmark::DoNotOptimize(window.Buffer().SelText());
}

void SelStartReadNearEnd(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  SelectNearEnd(window);
  for (auto _ : state) benchmark::DoNotOptimize(window.Buffer().SelStart());
}

void BoldOnOneMegabyte(benchmark::State& state) {
  TForm1 window;
  const std::string text = MakeDocument(1u << 20);
  for (auto _ : state) {
    state.PauseTiming();
    window.Buffer().Load(text, Encoding::kShiftJis);
    window.Buffer().SelectAll();
    state.ResumeTiming();
    font::ApplyStyle(window.Buffer(), font::kBold);
  }
}

}  // namespace

BENCHMARK(SelTextWriteAtEnd)->Arg(0)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeAtEnd)->Arg(0)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(SelTextReadNearEnd)->Arg(0)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(SelStartReadNearEnd)->Arg(0)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BoldOnOneMegabyte)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
  const std::string large = "/" + std::to_string(kLarge);
  return RunBenchmarks(
      argc, argv,
      {
          {"SelText write at the end, 50 MB / empty", "SelTextWriteAtEnd" + large, "SelTextWriteAtEnd/0"},
          {"typing at the end, 50 MB / empty", "TypeAtEnd" + large, "TypeAtEnd/0"},
          {"SelText read near the end, 50 MB / empty", "SelTextReadNearEnd" + large, "SelTextReadNearEnd/0"},
          {"SelStart read near the end, 50 MB / empty", "SelStartReadNearEnd" + large, "SelStartReadNearEnd/0"},
      },
      [] { windows.clear(); });  // before the application goes
}
