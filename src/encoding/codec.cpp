#include "encoding/codec.h"

#include <utility>

#include "encoding/sjis_codec.h"
#include "encoding/utf8_codec.h"

namespace zumoku::codec {

QString Decode(std::string_view bytes, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? utf8::Decode(bytes) : sjis::Decode(bytes);
}

std::optional<std::string> Encode(QStringView text, Encoding encoding, LineEnds lineEnds) {
  return encoding == Encoding::kUtf8 ? utf8::Encode(text, lineEnds) : sjis::Encode(text, lineEnds);
}

std::string EncodeChecked(QStringView text, Encoding encoding, LineEnds lineEnds) {
  auto bytes = Encode(text, encoding, lineEnds);
  if (!bytes) throw UnencodableText();
  return *std::move(bytes);
}

std::optional<QChar> FirstRefused(QStringView text, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? utf8::FirstRefused(text) : sjis::FirstRefused(text);
}

bool IsStandIn(QChar c, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? utf8::IsStandIn(c) : sjis::IsStandIn(c);
}

int ByteLength(QChar c, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? utf8::ByteLength(c) : sjis::ByteLength(c);
}

int ByteLength(QStringView text, Encoding encoding) {
  int bytes = 0;
  if (encoding == Encoding::kUtf8) {
    for (const QChar c : text) bytes += utf8::ByteLength(c);
  } else {
    for (const QChar c : text) bytes += sjis::ByteLength(c);
  }
  return bytes;
}

bool JoinsNextByte(QChar c, Encoding encoding) {
  return encoding == Encoding::kUtf8 ? utf8::JoinsNextByte(c) : sjis::JoinsNextByte(c);
}

int LongestCharBytes(Encoding encoding) { return encoding == Encoding::kUtf8 ? 4 : 2; }

QString ReadBack(QStringView text, Encoding encoding) {
  if (encoding == Encoding::kShiftJis) return sjis::ReadBack(text);
  const auto bytes = utf8::Encode(text, LineEnds::kCrLf);
  return bytes ? utf8::Decode(*bytes) : text.toString();
}

}  // namespace zumoku::codec
