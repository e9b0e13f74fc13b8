#include "encoding/line_ends.h"

#include <algorithm>

namespace zumoku {

namespace {
// Every line end that `lineEndAt` finds in s becomes `lineEnd`.
template <typename Char, typename LineEndAt>
std::basic_string<Char> Normalize(std::basic_string_view<Char> s, LineEndAt lineEndAt,
                                  std::basic_string_view<Char> lineEnd) {
  const auto isBreak = [](Char c) { return c == Char('\r') || c == Char('\n'); };
  std::basic_string<Char> out;
  out.reserve(s.size() + s.size() / 32);
  std::size_t at = 0;
  while (at < s.size()) {
    const auto plain = static_cast<std::size_t>(std::find_if(s.begin() + at, s.end(), isBreak) - s.begin());
    out.append(s.substr(at, plain - at));
    if (plain == s.size()) break;
    out.append(lineEnd);
    at = plain + lineEndAt(s, plain);
  }
  return out;
}
}  // namespace

LineEndStyle DetectLineEndStyle(std::string_view bytes) {
  // A CR is usually on the first line, so only LF-only files are searched to the end.
  if (bytes.find('\r') != std::string_view::npos) return LineEndStyle::kCrLf;
  return bytes.find('\n') != std::string_view::npos ? LineEndStyle::kLf : LineEndStyle::kCrLf;
}

std::string WithLineEndStyle(std::string stored, LineEndStyle style) {
  if (style == LineEndStyle::kCrLf) return stored;
  const std::string_view s = stored;
  std::string written;
  written.reserve(s.size());
  std::size_t at = 0;
  for (std::size_t end; (end = s.find(kLineEnd, at)) != std::string_view::npos; at = end + kLineEnd.size()) {
    written.append(s.substr(at, end - at)).push_back('\n');
  }
  written.append(s.substr(at));
  return written;
}

std::string NormalizeInsertedLineEnds(std::string_view s) { return Normalize(s, InsertedLineEndAt<char>, kLineEnd); }

std::string NormalizeLoadedLineEnds(std::string_view s) { return Normalize(s, LoadedLineEndAt<char>, kLineEnd); }

std::u16string NormalizeInsertedLineEndsToLf(std::u16string_view s) {
  return Normalize(s, InsertedLineEndAt<char16_t>, std::u16string_view(u"\n"));
}

std::string EndEveryLine(std::string_view s) {
  std::string lines = NormalizeLoadedLineEnds(s);
  if (!lines.empty() && !lines.ends_with(kLineEnd)) lines.append(kLineEnd);
  return lines;
}

std::vector<std::string> SplitLoadedLines(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < s.size()) {
    const std::size_t end = std::min(s.find_first_of("\r\n", start), s.size());
    lines.emplace_back(s.substr(start, end - start));
    start = end == s.size() ? end : end + LoadedLineEndAt(s, end);
  }
  return lines;
}

}  // namespace zumoku
