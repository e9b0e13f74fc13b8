// "句読点を統一" on a 50 MB document in the editor against one whole-text
// read and write there, and the count of each style (taken when typing
// pauses) against the read alone; the same over the bytes without the editor.
#include "bench_support.h"

#include <QAction>
#include <memory>

#include "app/mainwindow/main_window.h"
#include "buffer/text_buffer.h"
#include "punctuation/unify_punctuation.h"

namespace zumoku {

namespace {
using bench::MakeDocument;
constexpr std::size_t kLarge = std::size_t{50} << 20;

const std::string& Document() {
  static const std::string document = MakeDocument(kLarge);
  return document;
}

std::unique_ptr<TForm1> window;  // reset before the application goes

TForm1& Window() {
  if (!window) {
    window = std::make_unique<TForm1>();
    window->show();
  }
  return *window;
}

// Each iteration starts from the generated text, loaded untimed.
template <typename Timed>
void InEditor(benchmark::State& state, const Timed& timed) {
  TForm1& form = Window();
  for (auto _ : state) {
    state.PauseTiming();
    form.Buffer().Load(Document(), Encoding::kShiftJis);
    state.ResumeTiming();
    timed(form);
  }
}

// The baseline: the whole text read, then written over itself.
void ReadAndWriteInEditor(benchmark::State& state) {
  InEditor(state, [](TForm1& form) {
    const std::string text = form.Buffer().Text();
    form.Buffer().SelectAll();
    form.Buffer().SetSelText(text);
  });
}

void UnifyInEditor(benchmark::State& state) {
  InEditor(state, [&state](TForm1& form) {
    form.findChild<QAction*>(QStringLiteral("PunctuationFullwidth1"))->trigger();
    if (!form.StatusPanelText(0).startsWith(QStringLiteral("句読点を "))) state.SkipWithError("nothing converted");
  });
}

void ReadInEditor(benchmark::State& state) {
  TForm1& form = Window();
  form.Buffer().Load(Document(), Encoding::kShiftJis);
  for (auto _ : state) benchmark::DoNotOptimize(form.Buffer().Text());
}

void CountInEditor(benchmark::State& state) {
  TForm1& form = Window();
  form.Buffer().Load(Document(), Encoding::kShiftJis);
  for (auto _ : state) {
    benchmark::DoNotOptimize(punctuation::CountMarks(form.Buffer().Text(), Encoding::kShiftJis));
  }
}

// Without the editor: the bytes restyled in a copy, against the copy alone.
void CopyBytes(benchmark::State& state) {
  for (auto _ : state) {
    std::string text = Document();
    benchmark::DoNotOptimize(text.data());
  }
}

void RestyleBytes(benchmark::State& state) {
  for (auto _ : state) {
    std::string text = Document();
    benchmark::DoNotOptimize(
        punctuation::Restyle(text, Encoding::kShiftJis, 0, text.size(), punctuation::Style::kFullwidth).count);
  }
}
}  // namespace

BENCHMARK(ReadAndWriteInEditor)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(UnifyInEditor)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ReadInEditor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CountInEditor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CopyBytes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RestyleBytes)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace zumoku

int main(int argc, char** argv) {
  return zumoku::bench::RunBenchmarks(
      argc, argv,
      {
          {"句読点を統一, 50 MB in the editor / one whole-text read and write", "UnifyInEditor/iterations:2",
           "ReadAndWriteInEditor/iterations:2"},
          {"count of each style, 50 MB in the editor / the whole-text read", "CountInEditor/iterations:3",
           "ReadInEditor/iterations:3"},
          {"restyling 50 MB of bytes / copying them", "RestyleBytes/iterations:5", "CopyBytes/iterations:5"},
      },
      [] { zumoku::window.reset(); });
}
