#pragma once
// Plain-text matches: a byte search that keeps only the candidates that
// start and end on character boundaries. Without case, ASCII letters of
// single-byte characters fold; the bytes of longer characters compare
// exactly, so a trail byte never matches a letter.
#include <string>
#include <string_view>

#include "search/search.h"

namespace zumoku::search {

class ByteScanner : public Scanner {
 public:
  ByteScanner(std::string_view text, std::string_view pattern, bool matchCase, Encoding encoding);
  std::optional<Match> Next(std::size_t from) override;

 private:
  // True when the candidate at `at` (a character boundary) is the pattern
  // character by character and ends on a boundary.
  bool MatchesAt(std::size_t at) const;

  std::string_view text_;
  std::string pattern_;
  bool matchCase_;
  Encoding encoding_;
  // The byte search runs here: the text, or a copy with every ASCII capital
  // lowered, which has every true match and some that MatchesAt drops.
  std::string folded_;
  std::string foldedPattern_;
  std::string_view haystack_;
  std::string_view needle_;
};

}  // namespace zumoku::search
