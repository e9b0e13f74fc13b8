#include "app/editor/byte_marks.h"

#include <algorithm>

namespace zumoku {

void ByteMarks::Follow(const ChangeNotice& change) {
  const std::size_t editEnd = change.offset + change.bytesRemoved;
  for (auto& [layer, marks] : layers_) {
    std::vector<Range> kept;
    for (const Range& range : marks.ranges) {
      if (range.to <= change.offset) {
        kept.push_back(range);
      } else if (range.from >= editEnd) {
        kept.push_back(
            {range.from - change.bytesRemoved + change.bytesAdded, range.to - change.bytesRemoved + change.bytesAdded});
      }
    }
    marks.ranges = std::move(kept);
  }
}

std::vector<ByteMarks::Shown> ByteMarks::Within(std::size_t from, std::size_t to) const {
  std::vector<Shown> shown;
  for (const auto& [layer, marks] : layers_) {
    const auto first =
        std::partition_point(marks.ranges.begin(), marks.ranges.end(), [from](const Range& r) { return r.to <= from; });
    for (auto range = first; range != marks.ranges.end() && range->from < to; ++range) {
      shown.push_back({std::max(range->from, from), std::min(range->to, to), &marks.format});
    }
  }
  return shown;
}

}  // namespace zumoku
