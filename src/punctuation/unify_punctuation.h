#pragma once
// "句読点を統一": the punctuation of the selection, or of the whole text when
// nothing is selected, made one style; and the count of each style that
// shows a paper mixing them.
#include <cstddef>
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"
#include "punctuation/marks.h"

namespace zumoku::punctuation {

struct Counts {
  int ideographic = 0;  // 、 and 。
  int fullwidth = 0;    // ， and ．
  bool operator==(const Counts&) const = default;
};

// The convertible marks of the whole text, by style.
Counts CountMarks(std::string_view text, Encoding encoding);

struct Restyled {
  int count = 0;
  std::size_t first = 0, end = 0;  // the bytes that changed lie in [first, end)
};
// Writes every convertible mark of text[from, to) in `style`, in place.
Restyled Restyle(std::string& text, Encoding encoding, std::size_t from, std::size_t to, Style style);

// The command over the buffer: the changed bytes written as one undo step,
// the selection or caret left where it was (no mark changes its length).
// Returns how many marks changed; 0 writes nothing.
int UnifyPunctuation(EditBuffer& buffer, Style style);

}  // namespace zumoku::punctuation
