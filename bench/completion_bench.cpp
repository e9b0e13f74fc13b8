// Completion: a key typed with the list open over 3,000 commands and 10,000
// labels against the same key with no list; the same key while packages are
// read on a worker thread, against none read; and reading 200 installed
// packages' files cold (kpsewhich, then each .sty scanned, no cache), off
// the GUI thread.
#include <QApplication>
#include <QKeyEvent>
#include <atomic>
#include <filesystem>
#include <thread>

#include "app/completion/completer.h"
#include "app/completion/completion_list.h"
#include "app/completion/memo_completion_host.h"
#include "app/completion/word_source.h"
#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "bench_support.h"
#include "completion/gather.h"

using namespace zumoku;
using namespace zumoku::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kCommands = 3000;
constexpr int kLabels = 10000;
constexpr int kPackages = 200;

std::shared_ptr<const completion::WordSet> ManyWords() {
  auto words = std::make_shared<completion::WordSet>();
  for (int i = 0; i < kCommands; ++i) words->commands.push_back(completion::Entry("cmd" + std::to_string(i), "{}"));
  for (int i = 0; i < kLabels; ++i) {
    words->labels.push_back(completion::Entry("fig:" + std::to_string(i), {}, "実験の結果 " + std::to_string(i),
                                              "chap" + std::to_string(i % 20) + ".tex:" + std::to_string(i)));
  }
  words->Finish();
  return words;
}

// 200 package names TeX Live has, from its ls-R files.
std::vector<std::string> InstalledPackageFiles() {
  std::vector<std::string> names;
  const auto lsR = Kpsewhich({QStringLiteral("-all"), QStringLiteral("ls-R")});
  completion::InstalledNames installed;
  for (const fs::path& file : lsR.value_or(std::vector<fs::path>{})) {
    if (const auto text = completion::ReadBounded(file, 64u << 20)) completion::AddInstalledNames(*text, installed);
  }
  for (const std::string& name : installed.packages) {
    if (static_cast<int>(names.size()) == kPackages) break;
    names.push_back(name + ".sty");
  }
  return names;
}

// Gathers the words of a paper that loads 200 packages, with no cache.
void ReadPackagesCold() {
  static const std::vector<std::string> packages = InstalledPackageFiles();
  std::string root;
  for (const std::string& package : packages) root += "\\usepackage{" + package.substr(0, package.size() - 4) + "}\n";
  const completion::PackageCache noCache{fs::path()};
  completion::GatherInput input;
  input.paper = {{fs::path(), root}};
  input.locate = [](const std::vector<std::string>& names) {
    QStringList arguments;
    for (const std::string& name : names) arguments << QString::fromStdString(name);
    return Kpsewhich(arguments).value_or(std::vector<fs::path>{});
  };
  input.packages = &noCache;
  benchmark::DoNotOptimize(completion::GatherWords(input));
}

void ReadTwoHundredPackagesCold(benchmark::State& state) {
  for (auto _ : state) ReadPackagesCold();
}

// A key in a \ref{ argument with the list open, or the same key in plain
// text; typing and taking back a digit in turn, each painted. The second
// argument reads packages on a worker thread meanwhile.
void Key(benchmark::State& state) {
  const bool list = state.range(0) != 0;
  Memo memo;
  MemoBuffer buffer{memo};
  Completer completer(*new MemoCompletionHost(memo), buffer);
  completer.SetWords(ManyWords());
  memo.resize(637, 400);
  memo.show();
  buffer.SetSelText(list ? "\\ref{fig:" : "see fig:");
  QApplication::processEvents();
  if (list != completer.ListShown()) state.SkipWithError("the list is not as the case needs");
  std::atomic<bool> reading = state.range(1) != 0;
  std::thread worker([&] {
    while (reading) ReadPackagesCold();
  });
  int typed = 0;
  for (auto _ : state) {
    const bool back = typed++ % 2 == 1;
    QKeyEvent press(QEvent::KeyPress, back ? Qt::Key_Backspace : Qt::Key_1, Qt::NoModifier,
                    back ? QString() : QStringLiteral("1"));
    QApplication::sendEvent(&memo, &press);
    QApplication::processEvents();
    memo.viewport()->repaint();
    if (completer.ListShown()) completer.List().viewport()->repaint();
  }
  reading = false;
  worker.join();
  if (list != completer.ListShown()) state.SkipWithError("the list closed while typing");
}

}  // namespace

BENCHMARK(ReadTwoHundredPackagesCold)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Key)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  return RunBenchmarks(
      argc, argv,
      {
          {"a key with the list open over 13,000 words / the same key with no list", "Key/1/0", "Key/0/0"},
          {"the same key while 200 packages are read on a worker / none read", "Key/1/1", "Key/1/0"},
      });
}
