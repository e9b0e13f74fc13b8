#include "search/replace.h"

namespace zumoku::search {

Replacement ReplaceAll(const Search& search, std::string_view text, Span range, std::string_view replacement) {
  const std::string_view within = text.substr(range.start, range.length);
  const std::vector<Match> matches = search.FindAll(within);
  if (matches.empty()) return {};
  const std::size_t first = matches.front().span.start;
  Replacement result{{range.start + first, matches.back().span.End() - first}, {}, static_cast<int>(matches.size())};
  result.bytes.reserve(result.span.length);
  std::size_t copied = first;
  for (const Match& match : matches) {
    result.bytes += within.substr(copied, match.span.start - copied);
    result.bytes += search.Expand(within, match, replacement);
    copied = match.span.End();
  }
  return result;
}

}  // namespace zumoku::search
