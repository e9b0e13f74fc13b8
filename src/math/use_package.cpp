#include "math/use_package.h"

#include <string>

#include "buffer/sjis.h"

namespace zumoku::math {

namespace {
constexpr std::string_view kUsePackage = "\\usepackage{";
constexpr std::string_view kBeginDocument = "\\begin{document}";

std::string PackageLine(std::string_view package) { return std::string(kUsePackage) + std::string(package) + "}"; }

// True when line `index` ends before the first \begin{document} of the text,
// that is when \begin{document} starts on a later line.
bool LineStandsInPreamble(std::string_view text, int index) {
  std::size_t nextLineStart = 0;
  for (int line = 0; line <= index; ++line) {
    const auto lineEnd = text.find("\r\n", nextLineStart);
    if (lineEnd == std::string_view::npos) return false;
    nextLineStart = lineEnd + 2;
  }
  const int begin = CharPos(kBeginDocument, text);
  return begin != 0 && static_cast<std::size_t>(begin - 1) >= nextLineStart;
}

void AddLineAfterFirst(EditBuffer& buffer, std::string_view line) {
  EditLines& lines = buffer.Lines();
  lines.Put(0, lines.Get(0) + "\r\n" + std::string(line));
}
}  // namespace

void EnsureUsePackage(EditBuffer& buffer, std::string_view package) {
  EditLines& lines = buffer.Lines();
  const std::string line = lines.Get(1);
  if (CharPos(package, line) != 0) return;
  const std::string text = buffer.Text();
  if (const int at = CharPos(kUsePackage, line); at != 0) {
    if (!LineStandsInPreamble(text, 1)) return;
    std::string named = line;
    named.insert(at - 1 + kUsePackage.size(), std::string(package) + ",");
    lines.Put(1, named);
  } else if (line.empty()) {
    if (LineStandsInPreamble(text, 1)) lines.Put(1, PackageLine(package));
  } else if (LineStandsInPreamble(text, 0)) {
    AddLineAfterFirst(buffer, PackageLine(package));
  }
}

void EnsureAmsmathLine(EditBuffer& buffer) {
  const std::string amsmath = PackageLine("amsmath");
  const std::string text = buffer.Text();
  if (CharPos(amsmath, text) == 0 && LineStandsInPreamble(text, 0)) AddLineAfterFirst(buffer, amsmath);
}

}  // namespace zumoku::math
