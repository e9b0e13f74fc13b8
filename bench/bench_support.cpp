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
  text.reserve(bytes + 128);
  for (std::size_t i = 0; text.size() < bytes; ++i) {
    text += lines[i % std::size(lines)];
    text += "\r\n";
  }
  return text;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
      times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nRatios (same run):\n");
  for (const auto& [figure, baseline] : pairs_) {
    if (!times_.count(figure) || !times_.count(baseline)) continue;
    std::printf("  %-40s / %-40s = %.2f\n", figure.c_str(), baseline.c_str(), times_[figure] / times_[baseline]);
  }
}

}  // namespace zumoku::bench
