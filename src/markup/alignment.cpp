#include "markup/alignment.h"

#include <optional>
#include <string>
#include <vector>

#include "encoding/char_positions.h"
#include "markup/wrap.h"

namespace zumoku::align {

bool IsPresent(std::string_view s, Environment environment, Encoding encoding) {
  const EnvironmentTexts& texts = kEnvironments[environment];
  return CharPos(texts.begin, s, encoding) != 0 && CharPos(texts.end, s, encoding) != 0;
}

PresentBlocks FindPresentBlocks(std::string_view s, Encoding encoding) {
  return {IsPresent(s, kFlushLeft, encoding), IsPresent(s, kCenter, encoding), IsPresent(s, kFlushRight, encoding)};
}

namespace {

// One begin or end text of an alignment block found in the selection.
struct Mark {
  std::size_t at;
  Environment environment;
  bool isBegin;
  std::size_t Length() const {
    const EnvironmentTexts& texts = kEnvironments[environment];
    return (isBegin ? texts.begin : texts.end).size();
  }
};

std::optional<Mark> MarkAt(std::string_view s, std::size_t at) {
  for (int e = 0; e < kEnvironmentCount; ++e) {
    const auto environment = static_cast<Environment>(e);
    if (s.substr(at).starts_with(kEnvironments[e].begin)) return Mark{at, environment, true};
    if (s.substr(at).starts_with(kEnvironments[e].end)) return Mark{at, environment, false};
  }
  return std::nullopt;
}

// The alignment texts of s in order, found on character boundaries only.
std::vector<Mark> FindMarks(std::string_view s, Encoding encoding) {
  std::vector<Mark> marks;
  std::size_t at = 0;
  while (at < s.size()) {
    if (const auto mark = MarkAt(s, at)) {
      marks.push_back(*mark);
      at += mark->Length();
    } else {
      at += CharLengthAt(s, at, encoding);
    }
  }
  return marks;
}

// True when every end text closes the innermost open block of its kind and
// no block stays open.
bool PairUp(const std::vector<Mark>& marks) {
  std::vector<Environment> open;
  for (const Mark& mark : marks) {
    if (mark.isBegin) {
      open.push_back(mark.environment);
    } else if (open.empty() || open.back() != mark.environment) {
      return false;
    } else {
      open.pop_back();
    }
  }
  return open.empty();
}

// s with every mark for which `replacement` gives a text replaced by it.
template <typename Replacement>
std::string Rewrite(std::string_view s, const std::vector<Mark>& marks, Replacement replacement) {
  std::string result;
  std::size_t copied = 0;
  for (const Mark& mark : marks) {
    const std::optional<std::string_view> text = replacement(mark);
    if (!text) continue;
    result.append(s.substr(copied, mark.at - copied));
    result.append(*text);
    copied = mark.at + mark.Length();
  }
  result.append(s.substr(copied));
  return result;
}

std::string_view TextOf(Environment environment, bool isBegin) {
  return isBegin ? kEnvironments[environment].begin : kEnvironments[environment].end;
}

bool OtherIsPresent(Environment environment, const PresentBlocks& present) {
  for (int e = 0; e < kEnvironmentCount; ++e) {
    if (e != environment && present[e]) return true;
  }
  return false;
}

}  // namespace

void Align(EditBuffer& buffer, Environment environment, const PresentBlocks& present) {
  const EnvironmentTexts& own = kEnvironments[environment];
  const std::string s = buffer.SelText();
  const bool exchange = OtherIsPresent(environment, present);
  const std::vector<Mark> marks = FindMarks(s, buffer.TextEncoding());
  if (!(exchange || present[environment]) || !PairUp(marks)) {
    Wrap(buffer, {own.begin, own.end});
    return;
  }
  buffer.SetSelText(Rewrite(s, marks, [&](const Mark& mark) -> std::optional<std::string_view> {
    if (exchange) {
      if (mark.environment == environment) return std::nullopt;
      return TextOf(environment, mark.isBegin);
    }
    if (mark.environment != environment) return std::nullopt;
    return std::string_view();
  }));
}

}  // namespace zumoku::align
