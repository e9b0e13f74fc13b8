// Reading platex's log after a run: parsing an 80,000-line log (on a worker
// thread) against reading the file into memory, as the run reads it; and
// listing its entries in the log panel, the share of the window's thread.
#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>

#include "app/typesetting/typeset_log_panel.h"
#include "bench_support.h"
#include "typeset/log_parser.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr int kLines = 80000;

// A log of kLines lines in blocks of twenty, modelled on a long document's
// log: files opened and closed, font and package information, a page, a
// warning, an underfull box with its contents, a warning with a
// continuation line; and a "(note" from \typeout that is never closed, so
// that open parentheses pile up as in the slowest logs seen.
std::string MakeLog() {
  // Every "#" stands for the block's number.
  const std::string block = Sjis(R"((note
LaTeX Font Info:    Trying to load font information for JY1+mc on input line #.
(/usr/share/texlive/texmf-dist/tex/platex/base/jy1mc.fd
File: jy1mc.fd 1997/01/24 v1.2 pLaTeX2e file
)
\c@equation#=\count#
LaTeX Info: Redefining \ref on input line #.
[#]

LaTeX Warning: Reference `sec:#' on page # undefined on input line #.

Underfull \hbox (badness 10000) in paragraph at lines #--#
[]\JY1/mc/m/n/10 日本語の本文です。組版の速さを測るための本文
 []

Package hyperref Warning: Token not allowed in a PDF string (Unicode):
(hyperref)                removing `math shift' on input line #.

LaTeX Font Info:    External font `cmex10' loaded for size
(Font)              <7> on input line #.
)");
  std::string log;
  for (int n = 0; n < kLines / 20; ++n) {
    const std::string number = std::to_string(n);
    for (char c : block) {
      if (c == '#') {
        log += number;
      } else {
        log += c;
      }
    }
  }
  return log;
}

struct LogFile {
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("doc.log"));
  LogFile() {
    const std::string log = MakeLog();
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(log.data(), static_cast<qint64>(log.size()));
  }
  QByteArray Read() const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

const LogFile& TheLog() {
  static const LogFile log;
  return log;
}

void ReadLogFile(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TheLog().Read());
}

void ParseLogFile(benchmark::State& state) {
  const QByteArray log = TheLog().Read();
  std::size_t entries = 0;
  for (auto _ : state) {
    entries = typeset::ParseLog(std::string_view(log.constData(), log.size()), "doc.tex").entries.size();
  }
  state.counters["lines"] = static_cast<double>(log.count('\n'));
  state.counters["entries"] = static_cast<double>(entries);
  state.counters["MB"] = log.size() / 1e6;
}

void ListEntries(benchmark::State& state) {
  const QByteArray log = TheLog().Read();
  const typeset::LogSummary summary = typeset::ParseLog(std::string_view(log.constData(), log.size()), "doc.tex");
  LogPanel panel;
  panel.show();
  for (auto _ : state) panel.ShowEntries(summary, QStringLiteral("doc.tex"), Encoding::kShiftJis);
  state.counters["entries"] = static_cast<double>(summary.entries.size());
}

}  // namespace

BENCHMARK(ReadLogFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ParseLogFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  return RunBenchmarks(
      argc, argv, {{"parsing an 80,000-line log / reading it", "ParseLogFile/real_time", "ReadLogFile/real_time"}});
}
