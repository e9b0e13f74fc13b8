#pragma once
// Regular-expression matches: the text decoded once, each match's and
// group's bounds mapped back to byte offsets.
#include <QRegularExpression>
#include <QString>

#include "search/position_map.h"
#include "search/search.h"

namespace zumoku::search {

class RegexScanner : public Scanner {
 public:
  RegexScanner(std::string_view text, const QRegularExpression& expression, Encoding encoding);
  std::optional<Match> Next(std::size_t from) override;

 private:
  const QRegularExpression& expression_;
  QString decoded_;
  PositionMap positions_;
};

}  // namespace zumoku::search
