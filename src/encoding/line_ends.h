#pragma once
// The two rules that bring line ends to the stored form CR LF, written once
// for the stored bytes and for the widget's UTF-16 text alike.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zumoku {

// The stored line end.
inline constexpr std::string_view kLineEnd = "\r\n";

// How a file ends its lines. Text is stored with CR LF whatever the file had;
// only writing a file uses its style.
enum class LineEndStyle { kCrLf, kLf };

// LF when every line end in `bytes` is a lone LF; CR LF when any CR is there
// (CR LF, a lone CR, or mixed ends) and when there is no line end at all.
LineEndStyle DetectLineEndStyle(std::string_view bytes);

// Stored text with its line ends written in `style`.
std::string WithLineEndStyle(std::string stored, LineEndStyle style);

// Text read from a file: CR LF, a CR not followed by LF and an LF not preceded
// by CR each make one line end, so CR CR LF is two. The length of the line end
// that starts at `at` (0 when there is none).
template <typename Char>
constexpr std::size_t LoadedLineEndAt(std::basic_string_view<Char> s, std::size_t at) {
  if (s[at] == Char('\n')) return 1;
  if (s[at] != Char('\r')) return 0;
  return at + 1 < s.size() && s[at + 1] == Char('\n') ? 2 : 1;
}

// The next line of text read from a file, by the loaded-text rule, without
// its line end; `rest` keeps what follows.
inline std::string_view TakeLoadedLine(std::string_view& rest) {
  const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == rest.size() ? end : end + LoadedLineEndAt(rest, end));
  return line;
}

// Text written by commands or pasted: as loaded text, except that CR CR LF is
// one line end. (List commands join lines that already end in CR with CR LF,
// and each such ending must stay one line end.)
template <typename Char>
constexpr std::size_t InsertedLineEndAt(std::basic_string_view<Char> s, std::size_t at) {
  const bool crCrLf = s[at] == Char('\r') && at + 2 < s.size() && s[at + 1] == Char('\r') && s[at + 2] == Char('\n');
  return crCrLf ? 3 : LoadedLineEndAt(s, at);
}

std::string NormalizeInsertedLineEnds(std::string_view s);
std::string NormalizeLoadedLineEnds(std::string_view s);

// The inserted-text rule on the widget's text, whose line end is '\n'.
std::u16string NormalizeInsertedLineEndsToLf(std::u16string_view s);

// The loaded-text rule, and a line end after the last line when it has none;
// empty text stays empty.
std::string EndEveryLine(std::string_view s);

// The lines of text read from a file, by the loaded-text rule; a line end at
// the very end makes no extra empty line.
std::vector<std::string> SplitLoadedLines(std::string_view s);

// kLineEnd after every line, the last one included.
template <typename Lines>
std::string JoinLines(const Lines& lines) {
  std::string joined;
  for (const auto& line : lines) joined.append(line).append(kLineEnd);
  return joined;
}

}  // namespace zumoku
