#pragma once
// The document's bytes in one block with a gap at the place of the last
// edit: typing moves no bytes, and a jump elsewhere moves those between the
// old place and the new one once. Readers get at most two views of the
// bytes, so saving and searching copy nothing.
#include <cstddef>
#include <string>
#include <string_view>

namespace zumoku {

class GapBytes {
 public:
  // The bytes of a range: `first`, then `second` (empty unless the range
  // runs across the gap).
  struct Views {
    std::string_view first, second;
    std::size_t size() const { return first.size() + second.size(); }
  };

  std::size_t Size() const { return store_.size() - GapSize(); }
  // Takes the bytes over without copying them; the gap is empty until the
  // first insertion.
  void Assign(std::string bytes);
  void Replace(std::size_t at, std::size_t length, std::string_view bytes);

  Views Spans(std::size_t from, std::size_t to) const;
  std::string Copy(std::size_t from, std::size_t to) const;
  // The range as one view, moving the gap out of it when it lies inside.
  std::string_view Contiguous(std::size_t from, std::size_t to);

 private:
  std::size_t GapSize() const { return gapEnd_ - gapStart_; }
  // Brings the gap to `at` (a position in the bytes without the gap).
  void MoveGap(std::size_t at);
  // Makes the gap hold at least `bytes`.
  void Reserve(std::size_t bytes);

  std::string store_;  // the bytes, with [gapStart_, gapEnd_) unused
  std::size_t gapStart_ = 0, gapEnd_ = 0;
};

}  // namespace zumoku
