// Positions and the section manager in a 50 MB document: reading and writing
// SelStart against a 4 KB document, opening the manager and jumping to the
// last head against one read of the whole text.
#include <QApplication>
#include <memory>

#include <QTemporaryDir>

#include "app/desktop/disk_files.h"
#include "app/dialogs/section_manager.h"
#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "paper/paper_files.h"
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
  window.memo1->GoToLine(window.memo1->LineCount() - 2);
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

// A paper of 20 files on disk, the root reading the other 19, with kHeads
// heads among them.
constexpr int kPaperFiles = 20;

const QTemporaryDir& PaperFolder() {
  static const QTemporaryDir folder = [] {
    QTemporaryDir made;
    std::string root = "\\documentclass{jsarticle}\r\n";
    for (int file = 0; file < kPaperFiles; ++file) {
      std::string text;
      for (int head = 0; head < kHeads / kPaperFiles; ++head) {
        text += "\\section{" + Sjis("見出し") + std::to_string(head) + "}\r\n" + Sjis("本文の段落です。") + "\r\n";
      }
      if (file == 0) {
        for (int chapter = 1; chapter < kPaperFiles; ++chapter)
          text += "\\input{chap" + std::to_string(chapter) + "}\r\n";
        text = root + text;
      }
      DiskFiles().Write(made.filePath(QStringLiteral("chap%1.tex").arg(file)).toStdString(), text);
    }
    return made;
  }();
  return folder;
}

// What the section manager computes over the paper: its files in reading
// order and each file's heads.
void PaperSections(benchmark::State& state) {
  DiskFiles files;
  const std::string root = PaperFolder().filePath(QStringLiteral("chap0.tex")).toStdString();
  for (auto _ : state) {
    std::size_t heads = 0;
    for (const paper::PaperFile& file : paper::ReadPaper(files, root).files) {
      heads += sections::SectionHeads(file.text, file.encoding).size();
    }
    if (heads != kHeads) state.SkipWithError("heads missing");
  }
}
BENCHMARK(PaperSections)->Unit(benchmark::kMillisecond);

void PaperFilesRead(benchmark::State& state) {
  DiskFiles files;
  for (auto _ : state) {
    for (int file = 0; file < kPaperFiles; ++file) {
      benchmark::DoNotOptimize(
          files.Read(PaperFolder().filePath(QStringLiteral("chap%1.tex").arg(file)).toStdString()));
    }
  }
}
BENCHMARK(PaperFilesRead)->Unit(benchmark::kMillisecond);

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
          {"the heads of a 20-file paper (5,000 heads) / reading its files once", "PaperSections", "PaperFilesRead"},
      },
      [] { windows.clear(); });  // before the application goes
}
