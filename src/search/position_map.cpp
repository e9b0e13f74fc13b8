#include "search/position_map.h"

#include <algorithm>

#include "encoding/codec.h"

namespace zumoku::search {

namespace {
constexpr qsizetype kMarkEvery = 4096;
}

PositionMap::PositionMap(std::string_view bytes, const QString& decoded, Encoding encoding)
    : bytes_(bytes), decoded_(decoded), encoding_(encoding), marks_{{0, 0}} {}

template <typename Before>
PositionMap::Point PositionMap::StartFor(Before before) const {
  const auto after = std::partition_point(marks_.begin(), marks_.end(), before);
  const Point mark = *std::prev(after);
  return before(last_) && last_.index > mark.index ? last_ : mark;
}

std::size_t PositionMap::Width(Point point) const {
  if (point.byte >= bytes_.size()) return 0;
  const QChar c = decoded_[point.index];
  if (c.isLowSurrogate() || codec::ByteLength(c, encoding_) == 0) return 0;
  if (c == u'\n') return bytes_.substr(point.byte, 2) == "\r\n" ? 2 : 1;
  return CharLengthAt(bytes_, point.byte, encoding_);
}

PositionMap::Point PositionMap::Step(Point point) {
  const Point next{point.index + 1, point.byte + Width(point)};
  if (next.index % kMarkEvery == 0 && next.index > marks_.back().index) marks_.push_back(next);
  return next;
}

std::size_t PositionMap::ByteAt(qsizetype index) {
  Point p = StartFor([index](const Point& q) { return q.index <= index; });
  while (p.index < index && p.index < decoded_.size()) p = Step(p);
  last_ = p;
  return p.byte;
}

qsizetype PositionMap::IndexAt(std::size_t byte) {
  Point p = StartFor([byte](const Point& q) { return q.byte <= byte; });
  while (p.index < decoded_.size() && (p.byte < byte || Width(p) == 0)) p = Step(p);
  last_ = p;
  return p.index;
}

}  // namespace zumoku::search
