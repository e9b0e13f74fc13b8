#pragma once
// The tools' output and their logs as text to read: bytes in the document's
// encoding. Shift_JIS is decoded without loss; UTF-8 that is not well-formed
// shows U+FFFD, which is only ever read, never written back.
#include <QString>
#include <string_view>

#include "buffer/encoding.h"
#include "buffer/sjis_codec.h"

namespace zumoku::typeset {

inline QString DecodeToolText(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return codec::Decode(bytes);
}

}  // namespace zumoku::typeset
