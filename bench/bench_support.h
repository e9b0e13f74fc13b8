#pragma once
// Shared pieces of the benchmark programs: generated Shift_JIS documents and
// a reporter that prints each figure against its baseline as a ratio.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zumoku::bench {

// About `bytes` of mixed Japanese and LaTeX lines (~64 bytes each), CR LF.
std::string MakeDocument(std::size_t bytes);

// Console output plus, at the end, "figure / baseline = ratio" for each pair.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;  // {figure, baseline}
  std::map<std::string, double> times_;                     // ns per iteration
};

}  // namespace zumoku::bench
