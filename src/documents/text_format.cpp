#include "documents/text_format.h"

#include <utility>

namespace zumoku {

std::string_view EncodingName(Encoding encoding) { return encoding == Encoding::kUtf8 ? "UTF-8" : "Shift_JIS"; }

std::string FormatName(const TextFormat& format) {
  std::string name(EncodingName(format.encoding));
  if (format.encoding == Encoding::kUtf8 && format.byteOrderMark) name += " BOM付き";
  return name + (format.lineEnds == LineEndStyle::kLf ? " LF" : " CRLF");
}

std::string FileBytes(std::string stored, const TextFormat& format) {
  std::string bytes = WithLineEndStyle(std::move(stored), format.lineEnds);
  if (format.encoding == Encoding::kUtf8 && format.byteOrderMark) bytes.insert(0, kByteOrderMark);
  return bytes;
}

}  // namespace zumoku
