#pragma once
// GoogleTest shows a change notice by its fields.
#include <ostream>

#include "buffer/text_change.h"

namespace zumoku {
inline void PrintTo(const TextChange& c, std::ostream* out) {
  *out << "{line " << c.firstLine << " -" << c.linesRemoved << " +" << c.linesAdded << ", byte " << c.byteOffset << " -"
       << c.bytesRemoved << " +" << c.bytesAdded << "}";
}
}  // namespace zumoku
