#include "punctuation/convertible_marks.h"

#include <algorithm>
#include <array>

#include "highlight/latex_line_scanner.h"

namespace zumoku::punctuation {

namespace {
using highlight::Span;
using highlight::SpanKind;

// Commands whose first braced argument is a key, a name or an address.
constexpr std::array<std::string_view, 11> kNamingCommands{
    "label", "ref", "eqref", "pageref", "cite", "nocite", "url", "href", "input", "include", "includegraphics",
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class LineReader {
 public:
  LineReader(std::string_view line, Encoding encoding) : line_(line), encoding_(encoding) {}

  int CharLength(int at) const {
    return static_cast<int>(CharLengthAt(line_, static_cast<std::size_t>(at), encoding_));
  }
  int Size() const { return static_cast<int>(line_.size()); }
  char At(int at) const { return at < Size() ? line_[static_cast<std::size_t>(at)] : '\0'; }

  // The name of the last command in a command span (a span may join
  // several: "\\\label").
  std::string_view LastCommandName(const Span& span) const {
    const int end = span.start + span.length;
    std::string_view name;
    for (int at = span.start; at < end;) {
      if (At(at) != '\\') {
        at += CharLength(at);
        continue;
      }
      const int nameStart = ++at;
      while (at < end && IsLetter(At(at))) ++at;
      if (at == nameStart && at < end) at += CharLength(at);
      name = line_.substr(static_cast<std::size_t>(nameStart), static_cast<std::size_t>(at - nameStart));
    }
    return name;
  }

  // Where the arguments after a naming command end: past a star, optional
  // [...] arguments and the first {...} one; the line end when a group is
  // left open. `at` itself when no braced argument follows.
  int ArgumentEnd(int at) const {
    int next = SkipSpaces(at);
    if (At(next) == '*') next = SkipSpaces(next + 1);
    while (At(next) == '[') next = SkipSpaces(GroupEnd(next, '[', ']'));
    return At(next) == '{' ? GroupEnd(next, '{', '}') : at;
  }

 private:
  int SkipSpaces(int at) const {
    while (At(at) == ' ' || At(at) == '\t') ++at;
    return at;
  }
  // Past the bracket that closes the one at `at`, nested ones and escaped
  // ones counted out.
  int GroupEnd(int at, char open, char close) const {
    int depth = 0;
    while (at < Size()) {
      const char c = At(at);
      if (c == '\\') {
        ++at;
        if (at < Size()) at += CharLength(at);
        continue;
      }
      at += CharLength(at);
      if (c == open) ++depth;
      if (c == close && --depth == 0) return at;
    }
    return Size();
  }

  std::string_view line_;
  Encoding encoding_;
};

bool IsNamingCommand(std::string_view name) {
  return std::find(kNamingCommands.begin(), kNamingCommands.end(), name) != kNamingCommands.end();
}

// Visits the convertible marks of one line whose scan is `scanned`; `from`
// and `to` are relative to the line.
void VisitLine(std::string_view line, Encoding encoding, const highlight::ScannedLine& scanned, int from, int to,
               const std::function<void(int at, Mark mark)>& visit) {
  const LineReader reader(line, encoding);
  const std::vector<Span>& spans = scanned.spans;
  std::size_t next = 0;  // the first span not wholly before `at`
  int argumentEnd = 0;   // a naming command's arguments run to here
  for (int at = 0; at < std::min(to, reader.Size());) {
    while (next < spans.size() && spans[next].start + spans[next].length <= at) ++next;
    if (next < spans.size() && spans[next].start <= at && spans[next].kind != SpanKind::kBracket) {
      const Span& span = spans[next];
      at = span.start + span.length;
      if (span.kind == SpanKind::kCommand && IsNamingCommand(reader.LastCommandName(span))) {
        argumentEnd = std::max(argumentEnd, reader.ArgumentEnd(at));
      }
      continue;
    }
    const int length = reader.CharLength(at);
    if (at >= from && at >= argumentEnd && length > 1) {
      const auto mark = MarkOf(line.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length)), encoding);
      if (mark) visit(at, *mark);
    }
    at += length;
  }
}
}  // namespace

void ForEachConvertibleMark(std::string_view text, Encoding encoding, std::size_t from, std::size_t to,
                            const std::function<void(std::size_t at, Mark mark)>& visit) {
  to = std::min(to, text.size());
  highlight::LineState state = highlight::LineState::kText;
  for (std::size_t lineStart = 0; lineStart < to;) {
    const std::size_t newline = text.find('\n', lineStart);
    const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
    std::size_t lineEnd = newline == std::string_view::npos ? text.size() : newline;
    if (lineEnd > lineStart && text[lineEnd - 1] == '\r') --lineEnd;
    const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    const highlight::ScannedLine scanned = highlight::ScanLine(line, state, encoding);
    if (next > from) {
      const auto relative = [&](std::size_t offset) {
        return static_cast<int>(std::clamp(offset, lineStart, lineEnd) - lineStart);
      };
      VisitLine(line, encoding, scanned, relative(from), relative(to),
                [&](int at, Mark mark) { visit(lineStart + static_cast<std::size_t>(at), mark); });
    }
    state = scanned.end;
    lineStart = next;
  }
}

}  // namespace zumoku::punctuation
