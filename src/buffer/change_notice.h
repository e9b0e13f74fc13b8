#pragma once
// What one edit of the document changed, for whatever shows or marks it:
// lines [firstLine, firstLine + linesRemoved) of the text before became
// [firstLine, firstLine + linesAdded), and bytes [offset, offset +
// bytesRemoved) became [offset, offset + bytesAdded).
#include <cstddef>

namespace zumoku {

struct ChangeNotice {
  int firstLine = 0;
  int linesRemoved = 0;
  int linesAdded = 0;
  std::size_t offset = 0;
  std::size_t bytesRemoved = 0;
  std::size_t bytesAdded = 0;
};

}  // namespace zumoku
