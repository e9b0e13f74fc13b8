#include "search/byte_scanner.h"

#include <algorithm>

#include "search/duplicate_codes.h"

namespace zumoku::search {

namespace {
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string FoldedCopy(std::string_view s) {
  std::string folded(s.size(), '\0');
  std::transform(s.begin(), s.end(), folded.begin(), Folded);
  return folded;
}

// The bytes of the line end at `at`: 2 for CR LF, 1 for a lone CR or LF, else 0.
std::size_t LineEndLength(std::string_view s, std::size_t at) {
  if (at >= s.size()) return 0;
  if (s[at] == '\r') return s.substr(at, 2) == "\r\n" ? 2 : 1;
  return s[at] == '\n' ? 1 : 0;
}

bool SplitsLineEnd(std::string_view s, std::size_t at) {
  return at > 0 && at < s.size() && s.substr(at - 1, 2) == "\r\n";
}
}  // namespace

ByteScanner::ByteScanner(std::string_view text, std::string_view pattern, bool matchCase, Encoding encoding)
    : text_(text), matchCase_(matchCase), encoding_(encoding) {
  if (!matchCase_) folded_ = FoldedCopy(text_);
  haystack_ = matchCase_ ? text_ : std::string_view(folded_);
  ReadPattern(pattern);
}

void ByteScanner::ReadPattern(std::string_view pattern) {
  for (std::size_t at = 0; at < pattern.size();) {
    if (const std::size_t lineEnd = LineEndLength(pattern, at)) {
      units_.push_back({{}, true});
      at += lineEnd;
      continue;
    }
    const std::string_view character = pattern.substr(at, CharLengthAt(pattern, at, encoding_));
    units_.push_back({encoding_ == Encoding::kShiftJis && character.size() == 2 ? SjisCodesOfSameCharacter(character)
                                                                                : std::vector{std::string(character)},
                      false});
    at += character.size();
  }
  for (const Unit& unit : units_) {
    if (unit.lineEnd || unit.codes.size() > 1) break;
    needle_ += unit.codes.front();
  }
  if (!matchCase_) needle_ = FoldedCopy(needle_);
  if (!needle_.empty() || units_.empty()) return;
  firstBytes_ = units_.front().lineEnd ? "\r\n" : "";
  for (const std::string& code : units_.front().codes) firstBytes_ += code.front();
}

std::size_t ByteScanner::Candidate(std::size_t from) const {
  return needle_.empty() ? haystack_.find_first_of(firstBytes_, from) : haystack_.find(needle_, from);
}

// Walks characters only to check the candidates, from the nearest line start
// (a boundary in every encoding), so a long search runs at a byte search's speed.
std::optional<Match> ByteScanner::Next(std::size_t from) {
  if (units_.empty()) return std::nullopt;
  std::size_t boundary = from;
  for (auto at = Candidate(from); at != std::string_view::npos; at = Candidate(at + 1)) {
    if (at < boundary) continue;  // inside the character the walk stepped over
    const auto lineEnd = text_.substr(boundary, at - boundary).rfind('\n');
    if (lineEnd != std::string_view::npos) boundary += lineEnd + 1;
    while (boundary < at) boundary += CharLengthAt(text_, boundary, encoding_);
    if (boundary != at || SplitsLineEnd(text_, at)) continue;
    if (const auto length = LengthAt(at)) {
      const Span span{at, *length};
      return Match{span, {span}};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> ByteScanner::LengthAt(std::size_t at) const {
  std::size_t p = at;
  for (const Unit& unit : units_) {
    if (p >= text_.size()) return std::nullopt;
    const std::size_t length = unit.lineEnd ? LineEndLength(text_, p) : CharLengthAt(text_, p, encoding_);
    if (length == 0 || (!unit.lineEnd && !Matches(unit, text_.substr(p, length)))) return std::nullopt;
    p += length;
  }
  return p - at;
}

bool ByteScanner::Matches(const Unit& unit, std::string_view character) const {
  return std::any_of(unit.codes.begin(), unit.codes.end(), [&](const std::string& code) {
    if (code == character) return true;
    return !matchCase_ && code.size() == 1 && character.size() == 1 && Folded(code[0]) == Folded(character[0]);
  });
}

}  // namespace zumoku::search
