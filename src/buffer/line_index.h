#pragma once
// Where each line of the document's bytes starts: the bytes of every line,
// its line end included, in running sums. A line ends after each LF (the
// stored text holds only CR LF), and the part after the last LF is one more
// line, empty when the text ends with a line end.
#include <cstddef>
#include <string_view>

#include "buffer/chunked_bytes.h"
#include "buffer/running_sums.h"

namespace zumoku {

class LineIndex {
 public:
  LineIndex() { Build({}); }

  // One pass over the bytes, from LF to LF.
  void Build(ChunkedBytes::Views bytes);

  // Entries, the empty one after a final line end included.
  int Count() const { return lengths_.Size(); }
  std::size_t Start(int line) const { return static_cast<std::size_t>(lengths_.SumBefore(line)); }
  // Where the line after `line` starts: past its line end.
  std::size_t Next(int line) const { return Start(line + 1); }
  // The line that holds the byte at `offset`; the text's end is on the last.
  int LineOf(std::size_t offset) const { return lengths_.Locate(static_cast<int>(offset)).index; }

  // Lines [first, first + removed) became [first, first + added).
  struct Change {
    int first, removed, added;
  };
  // Follows the bytes [at, at + removed) being replaced by `inserted`.
  Change Replace(std::size_t at, std::size_t removed, std::string_view inserted);

 private:
  RunningSums lengths_;
};

}  // namespace zumoku
