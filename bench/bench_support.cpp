#include "bench_support.h"

#include <cstdio>

#include "sjis_literal.h"

namespace zumoku::bench {

std::string MakeDocument(std::size_t bytes) {
  const std::string lines[] = {
      Sjis("\\section{序論}ここでは日本語の文書を組版する方法を説明します。"),
      Sjis("数式 $x^2 + y^2 = z^2$ を本文中に書くことができます。\\\\"),
      "\\begin{itemize}\\item first \\item second\\end{itemize} % comment",
      Sjis("全角記号（Θ・｛｝）と半角ｶﾀｶﾅが混在する行です。マボポソ表能"),
  };
  std::string text;
  text.reserve(bytes);
  for (std::size_t i = 0;; ++i) {
    const std::string& line = lines[i % std::size(lines)];
    if (text.size() + line.size() + 2 > bytes) break;
    text += line;
    text += "\r\n";
  }
  text.append(bytes - text.size(), 'x');  // exactly `bytes`
  return text;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    seconds_[run.benchmark_name()] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nRatios (same run):\n");
  for (const Ratio& ratio : ratios_) {
    if (!seconds_.count(ratio.figure) || !seconds_.count(ratio.baseline)) continue;
    std::printf("  %-60s %.2f\n", ratio.label.c_str(),
                seconds_[ratio.figure] / (seconds_[ratio.baseline] * ratio.scale));
  }
}

}  // namespace zumoku::bench
