// memo1 drawn from the document's own bytes (MemoView) beside today's memo1
// (Memo over a QTextDocument), each on 50 MB, in one run: from the file to
// the first page painted against decoding the same bytes, with peak memory
// per file byte; a key typed and painted in the middle of 50 MB against one
// in an empty document; paging down through 50 MB against a 4 KB document.
// The last argument of each benchmark picks the widget: 0 Memo, 1 MemoView.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QKeyEvent>

#include <chrono>
#include <memory>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "app/editor/memo_view.h"
#include "app/editor/memo_view_aids.h"
#include "app/editor/reading_aids.h"
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

// Each widget with its reading aids, as the window shows it.
struct OldWidget {
  Memo memo;
  MemoBuffer buffer{memo};
  OldWidget() { AddReadingAids(memo); }
  void LoadOwned(std::string bytes) { buffer.Load(bytes, Encoding::kShiftJis); }
};

struct NewWidget {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
  NewWidget() { AddMemoViewAids(memo); }
  void LoadOwned(std::string bytes) { buffer.LoadOwned(std::move(bytes), Encoding::kShiftJis); }
};

// Either widget shown, sized as the main window's editor.
class ShownView {
 public:
  explicit ShownView(bool own) {
    if (own) {
      new_ = std::make_unique<NewWidget>();
    } else {
      old_ = std::make_unique<OldWidget>();
    }
    Widget().resize(637, 450);
    Widget().show();
    QApplication::processEvents();
  }
  QAbstractScrollArea& Widget() { return new_ ? static_cast<QAbstractScrollArea&>(new_->memo) : old_->memo; }
  EditBuffer& Buffer() { return new_ ? static_cast<EditBuffer&>(new_->buffer) : old_->buffer; }
  void LoadOwned(std::string bytes) { new_ ? new_->LoadOwned(std::move(bytes)) : old_->LoadOwned(std::move(bytes)); }
  // Deferred layout done, then the view painted.
  void Paint() {
    QApplication::processEvents();
    Widget().viewport()->repaint();
  }
  // The key, then what the widget asked to repaint painted, as the window
  // system's next frame would: idle timers do not run.
  void Key(int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&Widget(), &press);
    QEvent paintPending(QEvent::UpdateRequest);
    QApplication::sendEvent(Widget().window(), &paintPending);
  }
  // The caret to `offset`, scrolled into view as a key press does.
  void CaretTo(int offset) {
    Buffer().SetSelStart(offset);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
  }

 private:
  std::unique_ptr<OldWidget> old_;
  std::unique_ptr<NewWidget> new_;
};

bool Own(const benchmark::State& state, int arg) { return state.range(arg) != 0; }

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
    auto view = std::make_unique<ShownView>(Own(state, 0));
    const PeakMemory memory;
    const auto start = std::chrono::steady_clock::now();
    view->LoadOwned(ReadWhole(sample.path));
    view->Paint();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    peak += static_cast<double>(memory.Peak());
  }
  state.counters["peak_x_file"] = peak / static_cast<double>(state.iterations()) / kDocumentBytes;
}

// A key typed at a caret in the middle, and the view painted: in an empty
// document, in 4 KB of the same text as the 50 MB (the same lines to paint).
void BM_PaintedKey(benchmark::State& state) {
  ShownView view(Own(state, 1));
  const auto size = static_cast<std::size_t>(state.range(0));
  if (size > 0) view.LoadOwned(size == kDocumentBytes ? TheSample().bytes : MakeDocument(size));
  view.CaretTo(view.Buffer().SelStart() + static_cast<int>(size / 2));
  int typed = 0;
  for (auto _ : state) {
    if (++typed % 64 == 0) {
      view.Key(Qt::Key_Return, QStringLiteral("\r"));
    } else {
      view.Key(Qt::Key_A, QStringLiteral("a"));
    }
  }
}

// Page Down, each page painted; from the start again at the end.
void BM_PageDown(benchmark::State& state) {
  ShownView view(Own(state, 1));
  view.LoadOwned(state.range(0) > 0 ? TheSample().bytes : MakeDocument(kSmallBytes));
  view.Paint();
  for (auto _ : state) {
    const int before = view.Buffer().SelStart();
    view.Key(Qt::Key_PageDown);
    if (view.Buffer().SelStart() == before) {
      state.PauseTiming();
      view.CaretTo(0);
      state.ResumeTiming();
    }
  }
}

}  // namespace

BENCHMARK(BM_DecodeDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenToFirstPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_PaintedKey)->ArgsProduct({{0, kSmallBytes, kDocumentBytes}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageDown)->ArgsProduct({{0, kDocumentBytes}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace zumoku::bench

int main(int argc, char** argv) {
  const std::string large = "/" + std::to_string(zumoku::bench::kDocumentBytes);
  const std::string small = "/" + std::to_string(zumoku::bench::kSmallBytes);
  const std::string opening = "/iterations:3/manual_time";
  const std::string decoding = "BM_DecodeDocument/iterations:3";
  std::vector<zumoku::bench::Ratio> ratios;
  for (const auto& [widget, arg] : {std::pair{"Memo", "/0"}, std::pair{"MemoView", "/1"}}) {
    const std::string name = widget;
    ratios.push_back({name + ": opening 50 MB to the first page / decoding 50 MB",
                      "BM_OpenToFirstPage" + std::string(arg) + opening, decoding});
    ratios.push_back({name + ": a painted key in the middle of 50 MB / in an empty document",
                      "BM_PaintedKey" + large + arg, "BM_PaintedKey/0" + std::string(arg)});
    ratios.push_back({name + ": a painted key in the middle of 50 MB / of 4 KB", "BM_PaintedKey" + large + arg,
                      "BM_PaintedKey" + small + arg});
    ratios.push_back(
        {name + ": a page down in 50 MB / in 4 KB", "BM_PageDown" + large + arg, "BM_PageDown/0" + std::string(arg)});
  }
  ratios.push_back({"opening 50 MB to the first page, MemoView / Memo", "BM_OpenToFirstPage/1" + opening,
                    "BM_OpenToFirstPage/0" + opening});
  ratios.push_back({"a painted key in the middle of 50 MB, MemoView / Memo", "BM_PaintedKey" + large + "/1",
                    "BM_PaintedKey" + large + "/0"});
  ratios.push_back(
      {"a page down in 50 MB, MemoView / Memo", "BM_PageDown" + large + "/1", "BM_PageDown" + large + "/0"});
  return zumoku::bench::RunBenchmarks(argc, argv, ratios);
}
