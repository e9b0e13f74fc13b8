// Formula commands against the size of the text: symbol conversion of a 1 MB
// selection, and the typing aid in a 50 MB document against an empty one.
// Each figure is printed beside its baseline as a ratio from the same run.
#include "bench_support.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/mainwindow/main_window.h"
#include "math/symbol_conversion.h"

namespace zumoku {

namespace {
using bench::MakeDocument;
constexpr std::size_t kMegabyte = 1 << 20;

void ConvertSymbols(benchmark::State& state) {
  const std::string selection = MakeDocument(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(math::ConvertSymbols(selection, Encoding::kShiftJis));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * selection.size()));
}
BENCHMARK(ConvertSymbols)->Arg(1024)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);

// The whole command in the real editor: reading the selection from the
// widget, converting, writing the result back.
void TeX6ClickInEditor(benchmark::State& state) {
  TForm1 form;
  const std::string text = MakeDocument(kMegabyte);
  for (auto _ : state) {
    state.PauseTiming();
    form.Buffer().Load(text, Encoding::kShiftJis);
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

// The window shown as a user sees it, with the view scrolled to the caret in
// the middle of a document of `bytes`.
void ShowWithCaretInTheMiddle(TForm1& form, std::size_t bytes) {
  form.show();
  form.Buffer().Load(MakeDocument(bytes), Encoding::kShiftJis);
  form.memo1->SetCaretOffset(bytes / 2);
  QApplication::processEvents();
}

// Typing "{" in the middle of a document of the given size, as a key press;
// Delete and Backspace then take the "{}" away again, so that the line does
// not grow from one iteration to the next.
void TypingAid(benchmark::State& state) {
  TForm1 form;
  ShowWithCaretInTheMiddle(form, static_cast<std::size_t>(state.range(0)));
  const auto TextEnd = [&] { return form.memo1->LineSpan(form.memo1->LineCount() - 1).to; };
  const std::size_t end = TextEnd();
  for (auto _ : state) {
    Press(form.memo1, Qt::Key_BraceLeft, QStringLiteral("{"));
    Press(form.memo1, Qt::Key_Delete);
    Press(form.memo1, Qt::Key_Backspace);
  }
  if (TextEnd() != end) state.SkipWithError("text changed");
}
// The same place and document, typing an ordinary letter and taking it back:
// what the editor itself costs per keystroke, without the aid.
void PlainTyping(benchmark::State& state) {
  TForm1 form;
  ShowWithCaretInTheMiddle(form, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    Press(form.memo1, Qt::Key_A, QStringLiteral("a"));
    Press(form.memo1, Qt::Key_Backspace);
  }
}
BENCHMARK(PlainTyping)->Arg(0)->Arg(4096)->Arg(50 * kMegabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypingAid)->Arg(0)->Arg(4096)->Arg(50 * kMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zumoku

int main(int argc, char** argv) {
  return zumoku::bench::RunBenchmarks(
      argc, argv,
      {
          {"symbol conversion, 1 MB per byte / 1 KB per byte", "ConvertSymbols/1048576", "ConvertSymbols/1024", 1024},
          {"TeX6Click in the editor, 1 MB / conversion alone, 1 MB", "TeX6ClickInEditor", "ConvertSymbols/1048576"},
          {"typing aid, 50 MB document / empty document", "TypingAid/52428800", "TypingAid/0"},
          {"plain typing, 50 MB document / empty document", "PlainTyping/52428800", "PlainTyping/0"},
          // The same kind of line under the caret, only the document's size differs.
          {"typing aid, 50 MB document / 4 KB document", "TypingAid/52428800", "TypingAid/4096"},
          {"plain typing, 50 MB document / 4 KB document", "PlainTyping/52428800", "PlainTyping/4096"},
          {"typing aid / plain typing, 50 MB document", "TypingAid/52428800", "PlainTyping/52428800"},
      });
}
