#include "sample_document.h"

#include <array>
#include <string_view>

#include "sjis_literal.h"

namespace zumoku::bench {

namespace {
// Each line is written as its Shift_JIS text before and after a running
// number.
struct Line {
  std::string before, after;
};

std::array<Line, 8> Lines() {
  const std::pair<std::string_view, std::string_view> lines[] = {
      {"\\section{第", "章　日本語の文書と数式の組版について}"},
      {"本文の段落です。ここでは$\\alpha_{", "} + \\beta^2 = \\gamma$を扱い、次の式で確かめます。"},
      {"\\begin{itemize}\\setlength{\\itemsep}{0pt}", ""},
      {"  \\item 項目", "：\\textbf{太字}と\\emph{強調}、\\texttt{等幅}の例を並べます"},
      {"\\end{itemize}", ""},
      {"  f(x) = \\sum_{k=0}^{", "} \\frac{x^k}{k!} \\approx e^x \\quad (x \\to 0) \\label{eq:sum}"},
      {"吾輩は猫である。名前はまだ無い。どこで生れたか", "とんと見当がつかぬ。何でも薄暗い所で"},
      {"ニャーニャー泣いていた事だけは記憶している。吾輩はここで始めて人間というものを見た。", ""},
  };
  std::array<Line, 8> converted;
  for (std::size_t i = 0; i < converted.size(); ++i) {
    converted[i] = {Sjis(lines[i].first), Sjis(lines[i].second)};
  }
  return converted;
}
}  // namespace

std::string SampleDocument(std::size_t bytes) {
  const auto lines = Lines();
  std::string text;
  text.reserve(bytes + 256);
  for (std::size_t n = 0; text.size() < bytes; ++n) {
    const Line& line = lines[n % lines.size()];
    text += line.before;
    if (!line.after.empty()) text += std::to_string(n);
    text += line.after;
    text += "\r\n";
  }
  return text;
}

}  // namespace zumoku::bench
