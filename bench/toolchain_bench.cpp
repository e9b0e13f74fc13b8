// The engine choice Ctrl+T makes on the window's thread, on a document whose
// class options are never closed: 160,000 lines after the bracket against
// 80,000 (a choice that reads only what it needs costs the same for both).
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "typeset/toolchain.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

std::string UnclosedClass(int lines) {
  std::string text = "\\documentclass[\n";
  for (int i = 0; i < lines; ++i) text += "draft,\n";
  return text;
}

void ChooseEngine(benchmark::State& state) {
  const std::string text = UnclosedClass(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(typeset::ChooseToolchain(text, Encoding::kUtf8));
}

}  // namespace

BENCHMARK(ChooseEngine)->Arg(80000)->Arg(160000)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv,
                       {{"unclosed class, 160,000 lines / 80,000 lines", "ChooseEngine/160000/real_time",
                         "ChooseEngine/80000/real_time"}});
}
