// Positions and the section manager in a 50 MB document: reading and writing
// SelStart against a 4 KB document, opening the manager and jumping to the
// last head against one read of the whole text.
#include <QApplication>
#include <QTextCursor>
#include <memory>

#include "app/dialogs/section_manager.h"
#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "sections/section_heads.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kSmall = 4096;
constexpr std::size_t kLarge = 50u << 20;
constexpr int kHeads = 5000;

// The generated document with only kHeads of its section heads left: the
// others become "\Section{", which is not a head.
std::string WithHeads(std::string text, int heads) {
  std::vector<std::size_t> all;
  for (auto at = text.find("\\section{"); at != std::string::npos; at = text.find("\\section{", at + 1)) {
    all.push_back(at);
  }
  const std::size_t step = std::max<std::size_t>(all.size() / heads, 1);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i % step != 0 || i / step >= static_cast<std::size_t>(heads)) text[all[i] + 1] = 'S';
  }
  return text;
}

// One shown window per size, loaded once.
std::map<std::size_t, std::unique_ptr<TForm1>> windows;

TForm1& Window(std::size_t bytes) {
  auto& window = windows[bytes];
  if (!window) {
    window = std::make_unique<TForm1>();
    window->show();
    window->Buffer().Load(WithHeads(MakeDocument(bytes), kHeads), Encoding::kShiftJis);
    QApplication::processEvents();
  }
  return *window;
}

// The caret a short line before the end.
int NearEnd(TForm1& window) {
  QTextCursor cursor = window.memo1->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::Up);
  window.memo1->setTextCursor(cursor);
  return window.Buffer().SelStart();
}

void SelStartRead(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  NearEnd(window);
  for (auto _ : state) benchmark::DoNotOptimize(window.Buffer().SelStart());
}

// Alternating between two places near the end, so each write moves the caret.
void SelStartWrite(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  const int at = NearEnd(window);
  int n = 0;
  for (auto _ : state) window.Buffer().SetSelStart(at - (++n % 2) * 10);
}

// A selection of 20 bytes near the end: SelStart and SelLength written, then
// SelLength read.
void SelectNearEnd(benchmark::State& state) {
  TForm1& window = Window(static_cast<std::size_t>(state.range(0)));
  const int at = NearEnd(window);
  for (auto _ : state) {
    window.Buffer().SetSelStart(at - 20);
    window.Buffer().SetSelLength(20);
    benchmark::DoNotOptimize(window.Buffer().SelLength());
  }
}

void TextRead(benchmark::State& state) {
  TForm1& window = Window(kLarge);
  for (auto _ : state) benchmark::DoNotOptimize(window.Buffer().Text());
}

// Opening the manager: creating the window, its scan, filling and showing it.
void OpenSectionManager(benchmark::State& state) {
  TForm1& window = Window(kLarge);
  NearEnd(window);
  for (auto _ : state) {
    window.N58Click();
    state.PauseTiming();
    auto* manager = window.findChild<TSectionManager*>();
    if (manager->ListBox1->count() != kHeads) state.SkipWithError("wrong number of heads");
    delete manager;
    state.ResumeTiming();
  }
}

void JumpToLastHead(benchmark::State& state) {
  TForm1& window = Window(kLarge);
  const std::string last = sections::ScanSections(window.Buffer()).back();
  for (auto _ : state) {
    if (!sections::JumpToSection(window.Buffer(), last)) state.SkipWithError("head not found");
  }
}

}  // namespace

BENCHMARK(SelStartRead)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(SelStartWrite)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(SelectNearEnd)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(TextRead)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSectionManager)->Unit(benchmark::kMillisecond);
BENCHMARK(JumpToLastHead)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  const std::string small = "/" + std::to_string(kSmall), large = "/" + std::to_string(kLarge);
  return RunBenchmarks(
      argc, argv,
      {
          {"SelStart read near the end, 50 MB / 4 KB", "SelStartRead" + large, "SelStartRead" + small},
          {"SelStart write near the end, 50 MB / 4 KB", "SelStartWrite" + large, "SelStartWrite" + small},
          {"SelStart + SelLength write, SelLength read, 50 MB / 4 KB", "SelectNearEnd" + large,
           "SelectNearEnd" + small},
          {"opening the section manager (5,000 heads) / Text read, 50 MB", "OpenSectionManager", "TextRead"},
          {"jump to the last head / Text read, 50 MB", "JumpToLastHead", "TextRead"},
      },
      [] { windows.clear(); });  // before the application goes
}
