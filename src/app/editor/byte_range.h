#pragma once
// What code outside the editor says about places in memo1's text: byte
// offsets into the document's stored bytes, and the layers of marks drawn
// over the text.
#include <cstddef>

namespace zumoku {

struct ByteRange {
  std::size_t from, to;
  friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

// Later layers are drawn over earlier ones.
enum class MarkLayer { kCaretLine, kFindMatches, kBraces };
inline constexpr std::size_t kMarkLayerCount = 3;

}  // namespace zumoku
