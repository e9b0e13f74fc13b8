#pragma once
// Regular-expression matches: the text decoded once, each match's and
// group's bounds mapped back to byte offsets. Matched line by line, or
// against the whole text when the pattern may cross a line end.
#include <QRegularExpression>
#include <QString>

#include "search/position_map.h"
#include "search/search.h"

namespace zumoku::search {

class RegexScanner : public Scanner {
 public:
  RegexScanner(std::string_view text, const QRegularExpression& expression, bool crossesLines, Encoding encoding);
  std::optional<Match> Next(std::size_t from) override;

 private:
  struct Line {
    qsizetype start = 0, end = -1;  // in the decoded text, the line end not included
  };
  // The line of the decoded text that holds `index` (the whole text when
  // matches may cross lines).
  Line LineAt(qsizetype index);
  // The match in `line` at or after `index`; throws TooComplex.
  QRegularExpressionMatch MatchIn(Line line, qsizetype index) const;
  Match InBytes(const QRegularExpressionMatch& found, qsizetype lineStart);

  const QRegularExpression& expression_;
  bool crossesLines_;
  QString decoded_;
  PositionMap positions_;
  Line line_;  // the line last matched in
};

}  // namespace zumoku::search
