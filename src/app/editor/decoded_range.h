#pragma once
// The text of a range of the document's bytes, for what reads it as
// characters: brackets, screen readers.
#include <QString>

#include "buffer/document_buffer.h"
#include "encoding/codec.h"

namespace zumoku {

inline QString DecodedRange(const DocumentBuffer& buffer, std::size_t from, std::size_t to) {
  return codec::Decode(buffer.Spans(from, to).Joined(), buffer.TextEncoding());
}

}  // namespace zumoku
