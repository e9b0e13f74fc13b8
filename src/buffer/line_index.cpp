#include "buffer/line_index.h"

#include <cstring>
#include <vector>

namespace zumoku {

namespace {
// The line lengths of `bytes` after an open line of `carried` bytes: one for
// each LF, the last one left open in `carried`.
void AppendLineLengths(std::string_view bytes, std::size_t& carried, std::vector<int>& lengths) {
  if (bytes.empty()) return;  // an empty view may hold no pointer for memchr
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (const auto* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) {
    lengths.push_back(static_cast<int>(carried + static_cast<std::size_t>(lf + 1 - at)));
    carried = 0;
    at = lf + 1;
  }
  carried += static_cast<std::size_t>(end - at);
}
}  // namespace

void LineIndex::Build(ChunkedBytes::Views bytes) {
  std::vector<int> lengths;
  std::size_t carried = 0;
  for (const std::string_view part : bytes.parts) AppendLineLengths(part, carried, lengths);
  lengths.push_back(static_cast<int>(carried));
  lengths_ = RunningSums();
  lengths_.Replace(0, 0, lengths);
}

LineIndex::Change LineIndex::Replace(std::size_t at, std::size_t removed, std::string_view inserted) {
  const int first = LineOf(at);
  // The line holding the first byte kept after the removal joins the change:
  // its start moves, or, when the removal took the line end before it, it
  // joins the line before.
  const int last = LineOf(at + removed);
  std::size_t carried = at - Start(first);
  std::vector<int> lengths;
  AppendLineLengths(inserted, carried, lengths);
  lengths.push_back(static_cast<int>(carried + (Next(last) - (at + removed))));
  const Change change{first, last - first + 1, static_cast<int>(lengths.size())};
  lengths_.Replace(first, change.removed, lengths);
  return change;
}

}  // namespace zumoku
