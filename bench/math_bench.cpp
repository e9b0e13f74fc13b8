// Formula commands against the size of the text: symbol conversion of a 1 MB
// selection, and the typing aid in a 50 MB document against an empty one.
// Each figure is printed beside its baseline as a ratio from the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <iostream>
#include <map>

#include "sjis_literal.h"
#include "symbol_conversion.h"
#include "tform1.h"

namespace zumoku {

namespace {
constexpr std::size_t kMegabyte = 1 << 20;

// Ordinary text with a symbol to convert now and then.
std::string TextOfSize(std::size_t size) {
  const std::string lines = Sjis("本文の行です。数式 $x^2$ と \\textbf{太字} があります。\r\n") +
                            Sjis("サイン（Θ）＋コサイン（Θ）＝｛１｝＼\r\n");
  if (size < 2) return {};
  std::string text;
  text.reserve(size + lines.size());
  while (text.size() < size) text += lines;
  text.resize(size - 2);
  return text + "\r\n";
}

void ConvertSymbols(benchmark::State& state) {
  const std::string selection = TextOfSize(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(math::ConvertSymbols(selection));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * selection.size()));
}
BENCHMARK(ConvertSymbols)->Arg(1024)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);

// The whole command in the real editor: reading the selection from the
// widget, converting, writing the result back.
void TeX6ClickInEditor(benchmark::State& state) {
  TForm1 form;
  const std::string text = TextOfSize(kMegabyte);
  for (auto _ : state) {
    state.PauseTiming();
    form.Buffer().Load(text);
    form.Buffer().SelectAll();
    state.ResumeTiming();
    form.TeX6Click();
  }
}
BENCHMARK(TeX6ClickInEditor)->Unit(benchmark::kMillisecond);

void Press(QWidget* widget, Qt::Key key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
}

// Typing "{" in the middle of a document of the given size, as a key press;
// Delete and Backspace then take the "{}" away again, so that the line does
// not grow from one iteration to the next.
void TypingAid(benchmark::State& state) {
  TForm1 form;
  form.Buffer().Load(TextOfSize(static_cast<std::size_t>(state.range(0))));
  QTextCursor middle(form.memo1()->document());
  middle.setPosition(form.memo1()->document()->characterCount() / 2);
  form.memo1()->setTextCursor(middle);
  const int characters = form.memo1()->document()->characterCount();
  for (auto _ : state) {
    Press(form.memo1(), Qt::Key_BraceLeft, QStringLiteral("{"));
    Press(form.memo1(), Qt::Key_Delete);
    Press(form.memo1(), Qt::Key_Backspace);
  }
  if (form.memo1()->document()->characterCount() != characters) state.SkipWithError("text changed");
}
// The same place and document, typing an ordinary letter and taking it back:
// what the editor itself costs per keystroke, without the aid.
void PlainTyping(benchmark::State& state) {
  TForm1 form;
  form.Buffer().Load(TextOfSize(static_cast<std::size_t>(state.range(0))));
  QTextCursor middle(form.memo1()->document());
  middle.setPosition(form.memo1()->document()->characterCount() / 2);
  form.memo1()->setTextCursor(middle);
  for (auto _ : state) {
    Press(form.memo1(), Qt::Key_A, QStringLiteral("a"));
    Press(form.memo1(), Qt::Key_Backspace);
  }
}
BENCHMARK(PlainTyping)->Arg(0)->Arg(50 * kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypingAid)->Arg(0)->Arg(50 * kMegabyte)->Unit(benchmark::kMicrosecond);

// Prints the ratios of each figure to its baseline after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      times_[run.benchmark_name()] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    Ratio("symbol conversion, 1 MB per byte / 1 KB per byte", "ConvertSymbols/1048576", "ConvertSymbols/1024",
          1024);
    Ratio("TeX6Click in the editor, 1 MB / conversion alone, 1 MB", "TeX6ClickInEditor", "ConvertSymbols/1048576",
          1);
    Ratio("typing aid, 50 MB document / empty document", "TypingAid/52428800", "TypingAid/0", 1);
    Ratio("plain typing, 50 MB document / empty document", "PlainTyping/52428800", "PlainTyping/0", 1);
    Ratio("typing aid / plain typing, 50 MB document", "TypingAid/52428800", "PlainTyping/52428800", 1);
  }

 private:
  void Ratio(const char* what, const std::string& figure, const std::string& baseline, double scale) {
    if (!times_.count(figure) || !times_.count(baseline)) return;
    std::cout << what << ": " << times_[figure] / (times_[baseline] * scale) << "\n";
  }
  std::map<std::string, double> times_;  // seconds per iteration
};

}  // namespace
}  // namespace zumoku

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  zumoku::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
