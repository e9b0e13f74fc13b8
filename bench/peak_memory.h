#pragma once
// Peak resident memory of a stretch of code, in bytes: the kernel's
// high-water mark is reset before it and read after it (Linux).
#include <cstddef>

namespace zumoku::bench {

class PeakMemory {
 public:
  // Returns freed memory to the system and resets the high-water mark.
  PeakMemory();
  // Growth of the high-water mark since construction.
  std::size_t Peak() const;

 private:
  std::size_t start_;
};

}  // namespace zumoku::bench
