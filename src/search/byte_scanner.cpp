#include "search/byte_scanner.h"

#include <algorithm>

namespace zumoku::search {

namespace {
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string FoldedCopy(std::string_view s) {
  std::string folded(s.size(), '\0');
  std::transform(s.begin(), s.end(), folded.begin(), Folded);
  return folded;
}
}  // namespace

ByteScanner::ByteScanner(std::string_view text, std::string_view pattern, bool matchCase, Encoding encoding)
    : text_(text), pattern_(pattern), matchCase_(matchCase), encoding_(encoding) {
  if (matchCase_) {
    haystack_ = text_;
    needle_ = pattern_;
  } else {
    folded_ = FoldedCopy(text_);
    foldedPattern_ = FoldedCopy(pattern_);
    haystack_ = folded_;
    needle_ = foldedPattern_;
  }
}

// Walks characters only to check the candidates, from the nearest line start
// (a boundary in every encoding), so a long search runs at a byte search's speed.
std::optional<Match> ByteScanner::Next(std::size_t from) {
  if (needle_.empty()) return std::nullopt;
  std::size_t boundary = from;
  for (auto at = haystack_.find(needle_, from); at != std::string_view::npos; at = haystack_.find(needle_, at + 1)) {
    if (at < boundary) continue;  // inside the character the walk stepped over
    const auto lineEnd = text_.substr(boundary, at - boundary).rfind('\n');
    if (lineEnd != std::string_view::npos) boundary += lineEnd + 1;
    while (boundary < at) boundary += CharLengthAt(text_, boundary, encoding_);
    if (boundary == at && MatchesAt(at)) {
      const Span span{at, pattern_.size()};
      return Match{span, {span}};
    }
  }
  return std::nullopt;
}

bool ByteScanner::MatchesAt(std::size_t at) const {
  const std::size_t end = at + pattern_.size();
  for (std::size_t p = at; p < end;) {
    const std::size_t length = CharLengthAt(text_, p, encoding_);
    if (p + length > end) return false;
    if (!matchCase_ && length > 1 && text_.substr(p, length) != std::string_view(pattern_).substr(p - at, length)) {
      return false;
    }
    p += length;
  }
  return true;
}

}  // namespace zumoku::search
