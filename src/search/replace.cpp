#include "search/replace.h"

namespace zumoku::search {

Replacement ReplaceAll(const Search& search, std::string_view text, Span range, std::string_view replacement,
                       const Progress& progress) {
  const std::string_view within = text.substr(range.start, range.length);
  Replacement result;
  std::size_t copied = 0;
  const bool finished = search.ForEach(
      within,
      [&](Match&& match) {
        if (result.count++ == 0) copied = result.span.start = match.span.start;
        result.bytes += within.substr(copied, match.span.start - copied);
        result.bytes += search.Expand(within, match, replacement);
        copied = match.span.End();
      },
      progress);
  if (!finished || result.count == 0) return {{}, {}, 0, !finished};
  result.span = {range.start + result.span.start, copied - result.span.start};
  return result;
}

}  // namespace zumoku::search
