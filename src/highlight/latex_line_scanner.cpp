#include "highlight/latex_line_scanner.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

namespace zumoku::highlight {

namespace {

struct EnvironmentState {
  std::string_view name;
  LineState state;
};

// The environments whose bodies are formulas or verbatim text.
constexpr std::array<EnvironmentState, 8> kEnvironments{{
    {"equation", LineState::kEquation},
    {"equation*", LineState::kEquationStar},
    {"gather", LineState::kGather},
    {"gather*", LineState::kGatherStar},
    {"align", LineState::kAlign},
    {"align*", LineState::kAlignStar},
    {"verbatim", LineState::kVerbatim},
    {"verbatim*", LineState::kVerbatimStar},
}};

std::string_view EnvironmentNameOf(LineState state) {
  const auto* found =
      std::find_if(kEnvironments.begin(), kEnvironments.end(), [&](const auto& e) { return e.state == state; });
  return found == kEnvironments.end() ? std::string_view() : found->name;
}

bool IsVerbatim(LineState state) { return state == LineState::kVerbatim || state == LineState::kVerbatimStar; }

bool IsLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The two ways a line is read: the editor's UTF-16 units, or a document's
// bytes. Either way the scanner steps over whole characters only, so a
// Shift_JIS trail byte or a surrogate is never taken for \, %, $ or a brace.
struct Utf16Line {
  std::u16string_view text;
  int CharLength(int i) const {
    const auto size = static_cast<int>(text.size());
    return i + 1 < size && IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1]) ? 2 : 1;
  }
};

struct ByteLine {
  std::string_view text;
  Encoding encoding;
  int CharLength(int i) const { return static_cast<int>(CharLengthAt(text, static_cast<std::size_t>(i), encoding)); }
};

template <typename Line>
class Scanner {
 public:
  Scanner(Line line, LineState start) : line_(line), state_(start) {}

  ScannedLine Run() {
    while (at_ < Size()) {
      if (IsVerbatim(state_)) {
        VerbatimBody();
      } else {
        Token();
      }
    }
    return {std::move(spans_), state_};
  }

 private:
  using Unit = std::make_unsigned_t<typename decltype(Line::text)::value_type>;

  int Size() const { return static_cast<int>(line_.text.size()); }
  // The unit at `i` as a number, so that ASCII compares alike in both forms.
  char32_t At(int i) const { return i < Size() ? static_cast<Unit>(line_.text[i]) : U'\0'; }
  bool InMath() const { return state_ != LineState::kText; }
  int CharLength(int i) const { return line_.CharLength(i); }
  auto Character(int i) const { return line_.text.substr(i, CharLength(i)); }

  // True when the units [from, from + ascii.size()) are the ASCII text.
  bool Is(int from, std::string_view ascii) const {
    if (from < 0 || from + static_cast<int>(ascii.size()) > Size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
      if (At(from + static_cast<int>(i)) != static_cast<unsigned char>(ascii[i])) return false;
    }
    return true;
  }
  bool NameIs(int from, int to, std::string_view ascii) const {
    return to - from == static_cast<int>(ascii.size()) && Is(from, ascii);
  }
  // The first place at or after `from` (a character boundary) where a
  // character starts that begins `ascii`; -1 when there is none.
  int Find(std::string_view ascii, int from) const {
    for (int i = from; i < Size(); i += CharLength(i)) {
      if (Is(i, ascii)) return i;
    }
    return -1;
  }
  LineState EnvironmentStateOf(int from, int to) const {
    const auto* found = std::find_if(kEnvironments.begin(), kEnvironments.end(),
                                     [&](const auto& e) { return NameIs(from, to, e.name); });
    return found == kEnvironments.end() ? LineState::kText : found->state;
  }

  void Add(int start, int length, SpanKind kind) {
    if (length <= 0) return;
    if (!spans_.empty() && spans_.back().kind == kind && spans_.back().start + spans_.back().length == start) {
      spans_.back().length += length;
    } else {
      spans_.push_back({start, length, kind});
    }
  }
  // Text of the current mode: coloured as the formula inside one, plain outside.
  void AddPlain(int start, int length) {
    if (InMath()) Add(start, length, SpanKind::kMath);
  }

  void Token() {
    const char32_t c = At(at_);
    if (c == U'\\') return Command();
    if (c == U'%') {
      Add(at_, Size() - at_, SpanKind::kComment);
      at_ = Size();
      return;
    }
    if (c == U'$') return Dollar();
    if (c == U'{' || c == U'}' || c == U'[' || c == U']') {
      Add(at_++, 1, SpanKind::kBracket);
      return;
    }
    const int length = CharLength(at_);
    AddPlain(at_, length);
    at_ += length;
  }

  void Dollar() {
    const bool doubled = At(at_ + 1) == U'$';
    const int start = at_;
    if (state_ == LineState::kText) {
      state_ = doubled ? LineState::kDisplayMath : LineState::kInlineMath;
      at_ += doubled ? 2 : 1;
    } else if (state_ == LineState::kInlineMath) {
      at_ += 1;
      state_ = LineState::kText;
    } else if (state_ == LineState::kDisplayMath && doubled) {
      at_ += 2;
      state_ = LineState::kText;
    } else {
      at_ += 1;  // a dollar inside another kind of formula
    }
    Add(start, at_ - start, SpanKind::kMath);
  }

  // \ and a run of letters, or \ and one character (a whole one, surrogates
  // and all).
  void Command() {
    const int start = at_++;
    if (IsLetter(At(at_))) {
      while (IsLetter(At(at_))) ++at_;
    } else if (at_ < Size()) {
      at_ += CharLength(at_);
    }
    const int nameStart = start + 1;
    const LineState before = state_;
    if (NameIs(nameStart, at_, "(") && before == LineState::kText) state_ = LineState::kParenMath;
    if (NameIs(nameStart, at_, "[") && before == LineState::kText) state_ = LineState::kBracketMath;
    const bool closes = (NameIs(nameStart, at_, ")") && before == LineState::kParenMath) ||
                        (NameIs(nameStart, at_, "]") && before == LineState::kBracketMath);
    const bool delimiter = state_ != before || closes;
    Add(start, at_ - start, delimiter ? SpanKind::kMath : SpanKind::kCommand);
    if (closes) state_ = LineState::kText;
    const bool begins = NameIs(nameStart, at_, "begin");
    if (begins || NameIs(nameStart, at_, "end")) Environment(begins);
    if (NameIs(nameStart, at_, "verb")) Verb();
  }

  // {name} after \begin or \end: enters or leaves a formula or verbatim body.
  void Environment(bool begins) {
    if (At(at_) != U'{') return;
    const int nameStart = at_ + 1;
    const int nameEnd = Find("}", nameStart);
    if (nameEnd < 0) return;
    Add(at_, 1, SpanKind::kBracket);
    Add(nameStart, nameEnd - nameStart, SpanKind::kEnvironment);
    Add(nameEnd, 1, SpanKind::kBracket);
    at_ = nameEnd + 1;
    const LineState environment = EnvironmentStateOf(nameStart, nameEnd);
    if (begins && state_ == LineState::kText) state_ = environment;
    if (!begins && environment != LineState::kText && state_ == environment) state_ = LineState::kText;
  }

  // \verb, an optional *, a delimiter and the text up to its next
  // appearance, left as it is; it cannot run past the line end.
  void Verb() {
    if (At(at_) == U'*') Add(at_++, 1, SpanKind::kCommand);
    if (at_ >= Size()) return;
    const int start = at_;
    const auto delimiter = Character(at_);
    at_ += static_cast<int>(delimiter.size());
    while (at_ < Size() && Character(at_) != delimiter) at_ += CharLength(at_);
    at_ = std::min(at_ + static_cast<int>(delimiter.size()), Size());
    Add(start, at_ - start, SpanKind::kVerbatim);
  }

  // The body up to its own \end, unhighlighted; that \end is read as usual
  // and closes it.
  void VerbatimBody() {
    std::string end = "\\end{";
    end.append(EnvironmentNameOf(state_));
    end += '}';
    const int start = at_;
    const int found = Find(end, at_);
    at_ = found < 0 ? Size() : found;
    Add(start, at_ - start, SpanKind::kVerbatim);
    if (found >= 0) Command();
  }

  Line line_;
  LineState state_;
  int at_ = 0;
  std::vector<Span> spans_;
};

}  // namespace

ScannedLine ScanLine(std::u16string_view line, LineState start) {
  return Scanner<Utf16Line>(Utf16Line{line}, start).Run();
}

ScannedLine ScanLine(std::string_view line, LineState start, Encoding encoding) {
  return Scanner<ByteLine>(ByteLine{line, encoding}, start).Run();
}

}  // namespace zumoku::highlight
