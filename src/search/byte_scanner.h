#pragma once
// Plain-text matches: a byte search that keeps only the candidates that
// start and end on character boundaries. Without case, ASCII letters of
// single-byte characters fold; the bytes of longer characters compare
// exactly, so a trail byte never matches a letter. A Shift_JIS character
// matches under each of its codes, and a line end of the pattern (CR LF, LF
// or CR) matches any line end of the text, CR LF taken whole.
#include <string>
#include <string_view>
#include <vector>

#include "search/search.h"

namespace zumoku::search {

class ByteScanner : public Scanner {
 public:
  ByteScanner(std::string_view text, std::string_view pattern, bool matchCase, Encoding encoding);
  std::optional<Match> Next(std::size_t from) override;

 private:
  // One character of the pattern: the codes it may stand under, or a line end.
  struct Unit {
    std::vector<std::string> codes;
    bool lineEnd = false;
  };
  void ReadPattern(std::string_view pattern);
  // Where the next candidate at or after `from` starts.
  std::size_t Candidate(std::size_t from) const;
  // The length of the match at `at` (a character boundary), if there is one.
  std::optional<std::size_t> LengthAt(std::size_t at) const;
  bool Matches(const Unit& unit, std::string_view character) const;

  std::string_view text_;
  bool matchCase_;
  Encoding encoding_;
  std::vector<Unit> units_;
  // The byte search runs here: the text, or a copy with every ASCII capital
  // lowered, which has every true match and some that LengthAt drops.
  std::string folded_;
  std::string_view haystack_;
  // The pattern's leading characters of one code each, as the haystack has
  // them; without any, the bytes a match may start with.
  std::string needle_;
  std::string firstBytes_;
};

}  // namespace zumoku::search
