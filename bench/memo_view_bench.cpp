// memo1 drawn from the document's own bytes, on 50 MB: from the file to the
// first page painted against decoding the same bytes, with peak memory per
// file byte; a key typed and painted in the middle of 50 MB against one in
// an empty document; paging down through 50 MB against a 4 KB document.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QKeyEvent>

#include <chrono>
#include <memory>

#include "app/editor/memo_view.h"
#include "app/editor/memo_view_aids.h"
#include "bench_support.h"
#include "encoding/codec.h"
#include "peak_memory.h"

namespace zumoku::bench {

namespace {
constexpr std::size_t kDocumentBytes = 50u << 20;
constexpr std::size_t kSmallBytes = 4u << 10;

const DocumentFile& TheSample() {
  static const DocumentFile sample(kDocumentBytes);
  return sample;
}

// A shown view over a buffer of its own with its reading aids, sized as the
// main window's editor.
struct ShownView {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
  ShownView() {
    AddMemoViewAids(memo);
    memo.resize(637, 450);
    memo.show();
    QApplication::processEvents();
  }
  void Key(int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&memo, &press);
    memo.viewport()->repaint();
  }
};

void BM_DecodeDocument(benchmark::State& state) {
  const std::string& bytes = TheSample().bytes;
  for (auto _ : state) {
    const QString text = codec::Decode(bytes, Encoding::kShiftJis);
    benchmark::DoNotOptimize(text.data());
  }
}

void BM_OpenToFirstPage(benchmark::State& state) {
  const DocumentFile& sample = TheSample();
  double peak = 0;
  for (auto _ : state) {
    auto view = std::make_unique<ShownView>();
    const PeakMemory memory;
    const auto start = std::chrono::steady_clock::now();
    view->buffer.LoadOwned(ReadWhole(sample.path), Encoding::kShiftJis);
    view->memo.viewport()->repaint();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    peak += static_cast<double>(memory.Peak());
  }
  state.counters["peak_x_file"] = peak / static_cast<double>(state.iterations()) / kDocumentBytes;
}

// A key typed at a caret in the middle, and the view painted: in an empty
// document, in 4 KB of the same text as the 50 MB (the same lines to paint).
void BM_PaintedKey(benchmark::State& state) {
  ShownView view;
  const auto size = static_cast<std::size_t>(state.range(0));
  if (size > 0) view.buffer.Load(size == kDocumentBytes ? TheSample().bytes : MakeDocument(size), Encoding::kShiftJis);
  view.buffer.SetSelStart(static_cast<int>(view.buffer.Size() / 2));
  int typed = 0;
  for (auto _ : state) {
    if (++typed % 64 == 0) {
      view.Key(Qt::Key_Return);
    } else {
      view.Key(Qt::Key_A, QStringLiteral("a"));
    }
  }
}

// Page Down, each page painted; from the start again at the end.
void BM_PageDown(benchmark::State& state) {
  ShownView view;
  const std::string small = MakeDocument(kSmallBytes);
  view.buffer.Load(state.range(0) > 0 ? TheSample().bytes : small, Encoding::kShiftJis);
  for (auto _ : state) {
    view.Key(Qt::Key_PageDown);
    if (view.memo.CaretLine() + 1 >= view.buffer.LineStarts().Count()) {
      state.PauseTiming();
      view.buffer.SetSelStart(0);
      state.ResumeTiming();
    }
  }
}

}  // namespace

BENCHMARK(BM_DecodeDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenToFirstPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_PaintedKey)->Arg(0)->Arg(kSmallBytes)->Arg(kDocumentBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageDown)->Arg(0)->Arg(kDocumentBytes)->Unit(benchmark::kMicrosecond);

}  // namespace zumoku::bench

int main(int argc, char** argv) {
  const std::string large = "/" + std::to_string(zumoku::bench::kDocumentBytes);
  return zumoku::bench::RunBenchmarks(
      argc, argv,
      {
          {"opening 50 MB to the first page / decoding 50 MB", "BM_OpenToFirstPage/iterations:3/manual_time",
           "BM_DecodeDocument/iterations:3"},
          {"a painted key in the middle of 50 MB / in an empty document", "BM_PaintedKey" + large, "BM_PaintedKey/0"},
          {"a painted key in the middle of 50 MB / of 4 KB", "BM_PaintedKey" + large,
           "BM_PaintedKey/" + std::to_string(zumoku::bench::kSmallBytes)},
          {"a page down in 50 MB / in 4 KB", "BM_PageDown" + large, "BM_PageDown/0"},
      });
}
