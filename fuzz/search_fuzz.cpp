// A plain search: every match starts and ends on a character boundary (CR LF
// being one character), and lies inside the text. The input is the pattern,
// a NUL, then the text.
#include <cstdlib>

#include "fuzz_input.h"
#include "search/search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zumoku;
  const fuzz::Input input(data, size);
  const std::size_t split = input.text.find('\0');
  if (split == std::string_view::npos) return 0;
  const std::string_view pattern = input.text.substr(0, split);
  const std::string_view text = input.text.substr(split + 1);
  const search::Options options{.matchCase = (input.options & 2) != 0, .wholeWord = (input.options & 4) != 0};
  const search::Search search(pattern, options, input.TextEncoding());
  if (!search.Error().empty()) return 0;
  const std::vector<bool> boundary = fuzz::Boundaries(text, input.TextEncoding());
  for (const search::Match& match : search.FindAll(text)) {
    if (match.span.End() > text.size() || !boundary[match.span.start] || !boundary[match.span.End()]) std::abort();
  }
  return 0;
}
