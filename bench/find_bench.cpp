// Find and replace in a 50 MB document: finding the one match near the end
// against one read of the text, replacing 100,000 matches against one write
// of a text of that size, replacing every "a" of 50 MB of lines of "a" by a
// regular expression that looks ahead to the line end, and typing with 1,000
// matches marked in view against typing with the find bar closed.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "app/find/find_bar.h"
#include "app/mainwindow/main_window.h"
#include "bench_support.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kLarge = 50u << 20;
constexpr int kReplacements = 100000;
const std::string kTarget = "FindTargetNearTheEnd";

// The generated document with "@@" put at the start of `count` lines spread
// through it, and the target on the line before the last.
std::string FindDocument(int count) {
  const std::string text = MakeDocument(kLarge);
  const std::size_t step = text.size() / static_cast<std::size_t>(count);
  std::string out;
  out.reserve(text.size() + 2 * static_cast<std::size_t>(count) + kTarget.size());
  std::size_t copied = 0;
  for (int n = 0; n < count; ++n) {
    const std::size_t lineStart = text.find('\n', copied + (n == 0 ? 0 : step - 1)) + 1;
    out.append(text, copied, lineStart - copied);
    out += "@@";
    copied = lineStart;
  }
  const std::size_t lastLine = text.rfind('\n', text.size() - 3) + 1;
  out.append(text, copied, lastLine - copied);
  out += kTarget;
  out.append(text, lastLine);
  return out;
}

std::unique_ptr<TForm1> window;

TForm1& Window() {
  if (!window) {
    window = std::make_unique<TForm1>();
    window->show();
    window->Buffer().Load(FindDocument(kReplacements), Encoding::kShiftJis);
    QApplication::processEvents();
  }
  return *window;
}

template <typename Widget>
Widget* Part(const char* name) {
  return window->findChild<Widget*>(QLatin1String(name));
}

void TextRead(benchmark::State& state) {
  TForm1& form = Window();
  for (auto _ : state) benchmark::DoNotOptimize(form.Buffer().Text());
}

// "次を検索" from the top to the one match near the end, as plain text or
// as a regular expression.
void FindNearEnd(benchmark::State& state, bool regularExpression) {
  TForm1& form = Window();
  form.Find1Click();
  Part<QCheckBox>("RegularExpression")->setChecked(regularExpression);
  Part<QComboBox>("FindText")->setEditText(QString::fromStdString(kTarget));
  for (auto _ : state) {
    form.Buffer().SetSelStart(0);
    form.FindNext1Click();
    if (form.Buffer().SelLength() != static_cast<int>(kTarget.size())) state.SkipWithError("not found");
  }
}

void FindText(benchmark::State& state) { FindNearEnd(state, false); }
void FindRegularExpression(benchmark::State& state) { FindNearEnd(state, true); }

// One write of the whole text as one undo step.
void TextWrite(benchmark::State& state) {
  TForm1& form = Window();
  const std::string text = form.Buffer().Text();
  for (auto _ : state) {
    form.RunCommand([&] {
      form.Buffer().SelectAll();
      form.Buffer().SetSelText(text);
    });
  }
}

// すべて置換 of "@@" by "##" and back, 100,000 matches each time, as plain
// text or as a regular expression.
void ReplaceAll(benchmark::State& state, bool regularExpression) {
  TForm1& form = Window();
  form.Replace1Click();
  Part<QCheckBox>("RegularExpression")->setChecked(regularExpression);
  int n = 0;
  for (auto _ : state) {
    const bool forth = n++ % 2 == 0;
    Part<QComboBox>("FindText")->setEditText(forth ? QStringLiteral("@@") : QStringLiteral("##"));
    Part<QLineEdit>("ReplaceText")->setText(forth ? QStringLiteral("##") : QStringLiteral("@@"));
    Part<QPushButton>("ReplaceAllButton")->click();
    if (form.StatusPanelText(0) != QStringLiteral("%1 件置換しました").arg(kReplacements)) {
      state.SkipWithError("wrong count");
    }
  }
}

// すべて置換 of a(?=[^z]*$) over 50 MB of lines of 60 "a": each match looks
// to its line's end, never to the text's.
void ReplaceLookAhead(benchmark::State& state) {
  TForm1 form;
  form.show();
  std::string text;
  text.reserve(kLarge + 64);
  while (text.size() < kLarge) text += std::string(60, 'a') + "\r\n";
  const auto matches = static_cast<int>(text.size() / 62 * 60);
  form.Replace1Click();
  form.findChild<QCheckBox*>(QStringLiteral("RegularExpression"))->setChecked(true);
  form.findChild<QComboBox*>(QStringLiteral("FindText"))->setEditText(QStringLiteral("a(?=[^z]*$)"));
  form.findChild<QLineEdit*>(QStringLiteral("ReplaceText"))->setText(QStringLiteral("b"));
  for (auto _ : state) {
    state.PauseTiming();
    form.Buffer().Load(text, Encoding::kShiftJis);
    state.ResumeTiming();
    form.findChild<QPushButton*>(QStringLiteral("ReplaceAllButton"))->click();
    if (form.StatusPanelText(0) != QStringLiteral("%1 件置換しました").arg(matches)) state.SkipWithError("wrong count");
  }
}

void ReplaceText(benchmark::State& state) { ReplaceAll(state, false); }
void ReplaceRegularExpression(benchmark::State& state) { ReplaceAll(state, true); }

// A window whose view is full of matches of "a", the bar open or closed.
std::unique_ptr<TForm1> ViewOfMatches(benchmark::State& state, bool barOpen) {
  auto form = std::make_unique<TForm1>();
  form->show();
  std::string text;
  for (int line = 0; line < 200; ++line) text += std::string(60, 'a') + "\r\n";
  form->Buffer().Load(text, Encoding::kShiftJis);
  form->Find1Click();
  form->findChild<QComboBox*>(QStringLiteral("FindText"))->setEditText(QStringLiteral("a"));
  if (!barOpen) form->findChild<FindBar*>()->Close();
  QApplication::processEvents();
  state.counters["marks"] = static_cast<double>(form->memo1->Marks(MarkLayer::kFindMatches).size());
  form->memo1->setFocus();
  form->memo1->SetCaretOffset(0);
  return form;
}

// Typing a letter and taking it back at the top of the view, the events
// (marks and painting) handled after each key.
void TypeAndErase(TForm1& form) {
  for (const auto& [key, letter] : {std::pair{Qt::Key_X, QStringLiteral("x")}, {Qt::Key_Backspace, QString()}}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, letter);
    QApplication::sendEvent(form.memo1, &press);
    QApplication::processEvents();
  }
}

// After a few keys untimed, so neither case pays for filling the glyph caches.
void Type(benchmark::State& state, bool barOpen) {
  const auto form = ViewOfMatches(state, barOpen);
  for (int warmUp = 0; warmUp < 100; ++warmUp) TypeAndErase(*form);
  for (auto _ : state) TypeAndErase(*form);
}

// Scrolling a line down and back: the lines that come into view get their marks at once.
void ScrollALine(benchmark::State& state, bool barOpen) {
  const auto form = ViewOfMatches(state, barOpen);
  QScrollBar* bar = form->memo1->verticalScrollBar();
  for (auto _ : state) {
    for (const int step : {1, -1}) {
      bar->setValue(bar->value() + step);
      QApplication::processEvents();
    }
  }
}

void ScrollWithBarOpen(benchmark::State& state) { ScrollALine(state, true); }
void ScrollWithBarClosed(benchmark::State& state) { ScrollALine(state, false); }
void TypeWithBarOpen(benchmark::State& state) { Type(state, true); }
void TypeWithBarClosed(benchmark::State& state) { Type(state, false); }

}  // namespace

BENCHMARK(TextRead)->Unit(benchmark::kMillisecond);
BENCHMARK(FindText)->Unit(benchmark::kMillisecond);
BENCHMARK(FindRegularExpression)->Unit(benchmark::kMillisecond);
BENCHMARK(TextWrite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReplaceText)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(ReplaceRegularExpression)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ReplaceLookAhead)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(TypeWithBarOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeWithBarClosed)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollWithBarOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollWithBarClosed)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  return RunBenchmarks(
      argc, argv,
      {
          {"find the one match near the end / Text read, 50 MB", "FindText", "TextRead"},
          {"the same as a regular expression / Text read", "FindRegularExpression", "TextRead"},
          {"replace all of 100,000 matches / one Text write, 50 MB", "ReplaceText/iterations:4",
           "TextWrite/iterations:3"},
          {"the same as a regular expression / one Text write", "ReplaceRegularExpression/iterations:2",
           "TextWrite/iterations:3"},
          {"replace all of a(?=[^z]*$) in 50 MB of lines of \"a\" / one Text write", "ReplaceLookAhead/iterations:1",
           "TextWrite/iterations:3"},
          {"typing with the bar open, matches marked / bar closed", "TypeWithBarOpen", "TypeWithBarClosed"},
          {"scrolling a line with the bar open, matches marked / bar closed", "ScrollWithBarOpen",
           "ScrollWithBarClosed"},
      },
      [] { window.reset(); });  // before the application goes
}
