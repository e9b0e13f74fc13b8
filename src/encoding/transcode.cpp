#include "encoding/transcode.h"

#include <algorithm>

#include "encoding/codec.h"

namespace zumoku {

namespace {
// The first character of `line` that `to` cannot hold.
QStringView FirstUnencodable(QStringView line, Encoding to) {
  qsizetype end = 1;
  while (end < line.size() && codec::Encode(line.left(end), to)) ++end;
  const qsizetype at = end - 1;
  return line.mid(at, line[at].isHighSurrogate() && at + 1 < line.size() ? 2 : 1);
}

std::variant<std::string, Unconvertible> FindUnconvertible(const QString& text, Encoding to) {
  int number = 1;
  for (const QStringView line : QStringView(text).tokenize(u'\n')) {
    if (!codec::Encode(line, to)) return Unconvertible{number, FirstUnencodable(line, to).toString().toStdString()};
    ++number;
  }
  return Unconvertible{number, {}};
}
}  // namespace

std::variant<std::string, Unconvertible> Transcode(std::string_view stored, Encoding from, Encoding to) {
  if (from == to) return std::string(stored);
  const QString text = codec::Decode(stored, from);
  const auto standIn = std::find_if(text.begin(), text.end(), [&](QChar c) { return codec::IsStandIn(c, from); });
  if (standIn != text.end()) {
    return Unconvertible{static_cast<int>(std::count(text.begin(), standIn, u'\n')) + 1, {}};
  }
  if (auto bytes = codec::Encode(text, to)) return *std::move(bytes);
  return FindUnconvertible(text, to);
}

}  // namespace zumoku
