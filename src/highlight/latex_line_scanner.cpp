#include "highlight/latex_line_scanner.h"

#include <algorithm>
#include <array>
#include <string>

namespace zumoku::highlight {

namespace {

struct EnvironmentState {
  std::u16string_view name;
  LineState state;
};

// The environments whose bodies are formulas or verbatim text.
constexpr std::array<EnvironmentState, 8> kEnvironments{{
    {u"equation", LineState::kEquation},
    {u"equation*", LineState::kEquationStar},
    {u"gather", LineState::kGather},
    {u"gather*", LineState::kGatherStar},
    {u"align", LineState::kAlign},
    {u"align*", LineState::kAlignStar},
    {u"verbatim", LineState::kVerbatim},
    {u"verbatim*", LineState::kVerbatimStar},
}};

LineState EnvironmentStateOf(std::u16string_view name) {
  const auto* found =
      std::find_if(kEnvironments.begin(), kEnvironments.end(), [&](const auto& e) { return e.name == name; });
  return found == kEnvironments.end() ? LineState::kText : found->state;
}

std::u16string_view EnvironmentNameOf(LineState state) {
  const auto* found =
      std::find_if(kEnvironments.begin(), kEnvironments.end(), [&](const auto& e) { return e.state == state; });
  return found == kEnvironments.end() ? std::u16string_view() : found->name;
}

bool IsVerbatim(LineState state) { return state == LineState::kVerbatim || state == LineState::kVerbatimStar; }

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

class Scanner {
 public:
  Scanner(std::u16string_view line, LineState start) : line_(line), state_(start) {}

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
  int Size() const { return static_cast<int>(line_.size()); }
  char16_t At(int i) const { return i < Size() ? line_[i] : u'\0'; }
  bool InMath() const { return state_ != LineState::kText; }
  // UTF-16 units of the character at `i`: a span never splits a surrogate pair.
  int CharLength(int i) const { return IsHighSurrogate(At(i)) && IsLowSurrogate(At(i + 1)) ? 2 : 1; }
  std::u16string_view Character(int i) const { return line_.substr(i, CharLength(i)); }

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
    const char16_t c = line_[at_];
    if (c == u'\\') return Command();
    if (c == u'%') {
      Add(at_, Size() - at_, SpanKind::kComment);
      at_ = Size();
      return;
    }
    if (c == u'$') return Dollar();
    if (c == u'{' || c == u'}' || c == u'[' || c == u']') {
      Add(at_++, 1, SpanKind::kBracket);
      return;
    }
    const int length = CharLength(at_);
    AddPlain(at_, length);
    at_ += length;
  }

  void Dollar() {
    const bool doubled = At(at_ + 1) == u'$';
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
    const std::u16string_view name = line_.substr(start + 1, at_ - start - 1);
    const LineState before = state_;
    if (name == u"(" && before == LineState::kText) state_ = LineState::kParenMath;
    if (name == u"[" && before == LineState::kText) state_ = LineState::kBracketMath;
    const bool closes =
        (name == u")" && before == LineState::kParenMath) || (name == u"]" && before == LineState::kBracketMath);
    const bool delimiter = state_ != before || closes;
    Add(start, at_ - start, delimiter ? SpanKind::kMath : SpanKind::kCommand);
    if (closes) state_ = LineState::kText;
    if (name == u"begin" || name == u"end") Environment(name == u"begin");
    if (name == u"verb") Verb();
  }

  // {name} after \begin or \end: enters or leaves a formula or verbatim body.
  void Environment(bool begins) {
    if (At(at_) != u'{') return;
    const auto close = line_.find(u'}', at_ + 1);
    if (close == std::u16string_view::npos) return;
    const int nameStart = at_ + 1;
    const int nameEnd = static_cast<int>(close);
    const std::u16string_view name = line_.substr(nameStart, nameEnd - nameStart);
    Add(at_, 1, SpanKind::kBracket);
    Add(nameStart, nameEnd - nameStart, SpanKind::kEnvironment);
    Add(nameEnd, 1, SpanKind::kBracket);
    at_ = nameEnd + 1;
    const LineState environment = EnvironmentStateOf(name);
    if (begins && state_ == LineState::kText) state_ = environment;
    if (!begins && environment != LineState::kText && state_ == environment) state_ = LineState::kText;
  }

  // \verb, an optional *, a delimiter and the text up to its next
  // appearance, left as it is; it cannot run past the line end.
  void Verb() {
    if (At(at_) == u'*') Add(at_++, 1, SpanKind::kCommand);
    if (at_ >= Size()) return;
    const std::u16string_view delimiter = Character(at_);
    at_ += static_cast<int>(delimiter.size());
    while (at_ < Size() && Character(at_) != delimiter) at_ += CharLength(at_);
    at_ = std::min(at_ + static_cast<int>(delimiter.size()), Size());
  }

  // The body up to its own \end, unhighlighted; that \end is read as usual
  // and closes it.
  void VerbatimBody() {
    std::u16string end = u"\\end{";
    end.append(EnvironmentNameOf(state_));
    end += u'}';
    const auto found = line_.find(end, at_);
    if (found == std::u16string_view::npos) {
      at_ = Size();
      return;
    }
    at_ = static_cast<int>(found);
    Command();
  }

  std::u16string_view line_;
  LineState state_;
  int at_ = 0;
  std::vector<Span> spans_;
};

}  // namespace

ScannedLine ScanLine(std::u16string_view line, LineState start) { return Scanner(line, start).Run(); }

}  // namespace zumoku::highlight
