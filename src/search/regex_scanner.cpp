#include "search/regex_scanner.h"

#include "encoding/codec.h"

namespace zumoku::search {

// The codec decodes Shift_JIS; a UTF-8 document will be decoded by its own rule.
RegexScanner::RegexScanner(std::string_view text, const QRegularExpression& expression, bool crossesLines,
                           Encoding encoding)
    : expression_(expression),
      crossesLines_(crossesLines),
      decoded_(codec::Decode(text, encoding)),
      positions_(text, decoded_, encoding) {}

RegexScanner::Line RegexScanner::LineAt(qsizetype index) {
  if (crossesLines_) return {0, decoded_.size()};
  if (index >= line_.start && index <= line_.end) return line_;
  const qsizetype start = index == 0 ? 0 : decoded_.lastIndexOf(u'\n', index - 1) + 1;
  const qsizetype end = decoded_.indexOf(u'\n', index);
  line_ = {start, end < 0 ? decoded_.size() : end};
  return line_;
}

QRegularExpressionMatch RegexScanner::MatchIn(Line line, qsizetype index) const {
  // The codec's text is well-formed UTF-16; checking it at every call would
  // cost a pass over the whole text per match.
  QRegularExpressionMatch found =
      expression_.match(QStringView(decoded_).sliced(line.start, line.end - line.start), index - line.start,
                        QRegularExpression::NormalMatch, QRegularExpression::DontCheckSubjectStringMatchOption);
  if (!found.isValid()) throw TooComplex();
  return found;
}

std::optional<Match> RegexScanner::Next(std::size_t from) {
  for (qsizetype index = positions_.IndexAt(from); index <= decoded_.size();) {
    const Line line = LineAt(index);
    const QRegularExpressionMatch found = MatchIn(line, index);
    if (found.hasMatch()) return InBytes(found, line.start);
    index = line.end + 1;
  }
  return std::nullopt;
}

Match RegexScanner::InBytes(const QRegularExpressionMatch& found, qsizetype lineStart) {
  Match match;
  for (int group = 0; group <= found.lastCapturedIndex(); ++group) {
    if (found.capturedStart(group) < 0) {
      match.groups.emplace_back();
      continue;
    }
    const std::size_t start = positions_.ByteAt(lineStart + found.capturedStart(group));
    match.groups.push_back(Span{start, positions_.ByteAt(lineStart + found.capturedEnd(group)) - start});
  }
  match.span = *match.groups.front();
  return match;
}

}  // namespace zumoku::search
