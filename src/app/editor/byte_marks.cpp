#include "app/editor/byte_marks.h"

#include <algorithm>

namespace zumoku {

void ByteMarks::Follow(const TextChange& change) {
  const auto offset = static_cast<std::size_t>(change.byteOffset);
  const auto removed = static_cast<std::size_t>(change.bytesRemoved);
  const auto added = static_cast<std::size_t>(change.bytesAdded);
  for (Layer& marks : layers_) {
    std::vector<ByteRange> kept;
    for (const ByteRange& range : marks.ranges) {
      if (range.to <= offset) {
        kept.push_back(range);
      } else if (range.from >= offset + removed) {
        kept.push_back({range.from - removed + added, range.to - removed + added});
      }
    }
    marks.ranges = std::move(kept);
  }
}

std::vector<ByteMarks::Shown> ByteMarks::Within(std::size_t from, std::size_t to) const {
  std::vector<Shown> shown;
  for (const Layer& marks : layers_) {
    const auto first = std::partition_point(marks.ranges.begin(), marks.ranges.end(),
                                            [from](const ByteRange& r) { return r.to <= from; });
    for (auto range = first; range != marks.ranges.end() && range->from < to; ++range) {
      shown.push_back({std::max(range->from, from), std::min(range->to, to), &marks.format});
    }
  }
  return shown;
}

}  // namespace zumoku
