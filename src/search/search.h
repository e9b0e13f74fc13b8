#pragma once
// A search through a document's bytes. A match always starts and ends on a
// character boundary of the document's encoding, so a search for "\" never
// finds the second byte of ソ (0x83 0x5C). Positions are 0-based byte offsets.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::search {

struct Options {
  bool matchCase = false;
  bool wholeWord = false;
  bool regularExpression = false;
};

struct Span {
  std::size_t start = 0, length = 0;
  std::size_t End() const { return start + length; }
  bool operator==(const Span&) const = default;
};

// A match and, for a regular expression, its groups (group 0 is the match;
// a group that took no part is empty).
struct Match {
  Span span;
  std::vector<std::optional<Span>> groups;
};

// Where a search went: the match, and whether it passed the end (or, going
// back, the start) of the text to find it.
struct Found {
  Match match;
  bool wrapped = false;
};

// A regular expression that ran into the library's limit on the work one
// match may take: the search stopped, and there may be matches it missed.
class TooComplex : public std::runtime_error {
 public:
  TooComplex();
};

// Told how far a long pass has come (a byte offset into its text); false
// stops the pass.
using Progress = std::function<bool(std::size_t done)>;

// The matches of one pattern in one text, in text order. Next throws
// TooComplex when the pattern hit the limit.
class Scanner {
 public:
  virtual ~Scanner() = default;
  // The first match that starts at or after `from`, a character boundary.
  virtual std::optional<Match> Next(std::size_t from) = 0;
};

class Search {
 public:
  // `pattern` is in the document's encoding; an empty one finds nothing.
  Search(std::string_view pattern, const Options& options, Encoding encoding);
  ~Search();
  Search(Search&&) noexcept;
  Search& operator=(Search&&) noexcept;

  // Empty when the pattern is usable; otherwise why not, in Japanese (UTF-8).
  const std::string& Error() const { return error_; }
  Encoding TextEncoding() const { return encoding_; }

  // Every search throws TooComplex when a regular expression hit the limit.
  // The first match at or after `from` that is not `selection` itself,
  // going on from the start of the text when there is none.
  std::optional<Found> FindNext(std::string_view text, Span selection) const;
  // The last match that starts before `selection`, going on from the end.
  std::optional<Found> FindPrevious(std::string_view text, Span selection) const;
  // The match that is exactly `selection`, if there is one.
  std::optional<Match> MatchAt(std::string_view text, Span selection) const;
  // Every match, none overlapping another; an empty match never directly
  // follows another match, so the list always ends.
  std::vector<Match> FindAll(std::string_view text) const;
  // The matches FindAll lists, one at a time, as they are found: no list of
  // them is kept. False when `progress` stopped the pass.
  bool ForEach(std::string_view text, const std::function<void(Match&&)>& each, const Progress& progress = {}) const;

  // The bytes that replace `match`: the replacement as it stands, or, for a
  // regular expression, with \0 to \9 taking a group's bytes and \\ one "\".
  std::string Expand(std::string_view text, const Match& match, std::string_view replacement) const;

 private:
  std::unique_ptr<Scanner> ScannerFor(std::string_view text) const;
  // The next match of the scanner that is a whole word when that was asked for.
  std::optional<Match> Next(Scanner& scanner, std::string_view text, std::size_t from) const;
  std::size_t CharEnd(std::string_view text, std::size_t at) const;

  std::string pattern_;
  Options options_;
  Encoding encoding_;
  std::string error_;
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;  // the regular expression
};

}  // namespace zumoku::search
