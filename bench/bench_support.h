#pragma once
// Shared pieces of the benchmark programs: generated Shift_JIS documents and
// a reporter that prints each figure against its baseline as a ratio.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "buffer/literal.h"

namespace zumoku::bench {

// Shift_JIS bytes of readable UTF-8 text.
inline std::string Sjis(std::string_view utf8) { return Literal(utf8, Encoding::kShiftJis); }

// Exactly `bytes` of mixed Japanese prose and LaTeX lines, CR LF, built the
// same way on every run.
std::string MakeDocument(std::size_t bytes);

// MakeDocument(bytes) written to a file of its own, removed with it.
struct DocumentFile {
  explicit DocumentFile(std::size_t bytes);
  ~DocumentFile();
  std::filesystem::path folder, path;
  std::string bytes;
};

// A file's bytes in one read of its size, as opening does.
std::string ReadWhole(const std::filesystem::path& path);

// A figure and the baseline it is measured against, by benchmark name; the
// baseline's time is multiplied by scale first (for per-byte comparisons).
struct Ratio {
  std::string label, figure, baseline;
  double scale = 1;
};

// Console output plus, at the end, each figure's ratio to its baseline.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<Ratio> ratios) : ratios_(std::move(ratios)) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<Ratio> ratios_;
  std::map<std::string, double> seconds_;  // per iteration
};

// The main() of every benchmark program: a QApplication (offscreen unless a
// platform is set), the benchmarks, then each ratio; `beforeExit` runs while
// the application still exists.
int RunBenchmarks(int argc, char** argv, std::vector<Ratio> ratios = {}, const std::function<void()>& beforeExit = {});

}  // namespace zumoku::bench
