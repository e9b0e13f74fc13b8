#include "search/regex_scanner.h"

#include "buffer/codec.h"

namespace zumoku::search {

// The codec decodes Shift_JIS; a UTF-8 document will be decoded by its own rule.
RegexScanner::RegexScanner(std::string_view text, const QRegularExpression& expression, Encoding encoding)
    : expression_(expression), decoded_(codec::Decode(text, encoding)), positions_(text, decoded_, encoding) {}

std::optional<Match> RegexScanner::Next(std::size_t from) {
  // The codec's text is well-formed UTF-16; checking it at every call would
  // cost a pass over the whole text per match.
  const QRegularExpressionMatch found =
      expression_.match(decoded_, positions_.IndexAt(from), QRegularExpression::NormalMatch,
                        QRegularExpression::DontCheckSubjectStringMatchOption);
  if (!found.hasMatch()) return std::nullopt;
  Match match;
  for (int group = 0; group <= found.lastCapturedIndex(); ++group) {
    if (found.capturedStart(group) < 0) {
      match.groups.emplace_back();
      continue;
    }
    const std::size_t start = positions_.ByteAt(found.capturedStart(group));
    match.groups.push_back(Span{start, positions_.ByteAt(found.capturedEnd(group)) - start});
  }
  match.span = *match.groups.front();
  return match;
}

}  // namespace zumoku::search
