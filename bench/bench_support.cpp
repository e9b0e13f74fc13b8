#include "bench_support.h"

#include <unistd.h>
#include <QApplication>
#include <array>

#include <cstdio>
#include <fstream>
#include <string_view>

namespace zumoku::bench {

namespace {
// Each line is its Shift_JIS text before and after a running number, so that
// no two lines are alike.
struct Line {
  std::string before, after;
};

std::array<Line, 9> Lines() {
  const std::pair<std::string_view, std::string_view> lines[] = {
      {"\\section{第", "章　日本語の文書と数式の組版について}"},
      {"本文の段落です。ここでは$\\alpha_{", "} + \\beta^2 = \\gamma$を扱い、次の式で確かめます。"},
      {"\\begin{itemize}\\setlength{\\itemsep}{0pt}", ""},
      {"  \\item 項目", "：\\textbf{太字}と\\emph{強調}、\\texttt{等幅}の例を並べます"},
      {"\\end{itemize}", ""},
      {"  f(x) = \\sum_{k=0}^{", "} \\frac{x^k}{k!} \\approx e^x \\quad (x \\to 0) \\label{eq:sum}"},
      {"吾輩は猫である。名前はまだ無い。どこで生れたか", "とんと見当がつかぬ。何でも薄暗い所で"},
      {"ニャーニャー泣いていた事だけは記憶している。吾輩はここで始めて人間というものを見た。", ""},
      {"全角記号（Θ・｛", "｝）と半角ｶﾀｶﾅが混在する行です。マボポソ表能＼"},
  };
  std::array<Line, 9> converted;
  for (std::size_t i = 0; i < converted.size(); ++i) {
    converted[i] = {Sjis(lines[i].first), Sjis(lines[i].second)};
  }
  return converted;
}
}  // namespace

std::string MakeDocument(std::size_t bytes) {
  static const auto lines = Lines();
  std::string text;
  text.reserve(bytes);
  for (std::size_t n = 0;; ++n) {
    const Line& line = lines[n % lines.size()];
    const std::string number = line.after.empty() ? std::string() : std::to_string(n);
    if (text.size() + line.before.size() + number.size() + line.after.size() + 2 > bytes) break;
    text += line.before + number + line.after + "\r\n";
  }
  text.append(bytes - text.size(), 'x');  // exactly `bytes`
  return text;
}

DocumentFile::DocumentFile(std::size_t size)
    : folder(std::filesystem::temp_directory_path() / ("zumoku_bench_" + std::to_string(::getpid()))),
      path(folder / "large.tex"),
      bytes(MakeDocument(size)) {
  std::filesystem::create_directories(folder);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

DocumentFile::~DocumentFile() { std::filesystem::remove_all(folder); }

std::string ReadWhole(const std::filesystem::path& path) {
  std::string bytes(std::filesystem::file_size(path), '\0');
  std::ifstream(path, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  // With --benchmark_repetitions the median stands for the figure; it is
  // reported after the single runs and so replaces them.
  for (const Run& run : runs) {
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (!median && (run.run_type != Run::RT_Iteration || run.iterations == 0)) continue;
    seconds_[run.run_name.str()] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  if (ratios_.empty()) return;
  std::printf("\nRatios (same run):\n");
  for (const Ratio& ratio : ratios_) {
    if (!seconds_.count(ratio.figure) || !seconds_.count(ratio.baseline)) continue;
    std::printf("  %-60s %.2f\n", ratio.label.c_str(),
                seconds_[ratio.figure] / (seconds_[ratio.baseline] * ratio.scale));
  }
}

int RunBenchmarks(int argc, char** argv, std::vector<Ratio> ratios, const std::function<void()>& beforeExit) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(ratios));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (beforeExit) beforeExit();
  return 0;
}

}  // namespace zumoku::bench
