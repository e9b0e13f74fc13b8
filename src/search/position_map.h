#pragma once
// Between offsets into a document's bytes and indices into its decoded text
// (codec::Decode: a line end is one '\n', a variation selector takes no
// byte). Walks forward from the nearest point it has passed before, so a
// run of look-ups in text order costs one walk through the text.
#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::search {

class PositionMap {
 public:
  PositionMap(std::string_view bytes, const QString& decoded, Encoding encoding);

  std::size_t ByteAt(qsizetype index);
  // The index of the character that starts at `byte` (a character boundary).
  qsizetype IndexAt(std::size_t byte);

 private:
  struct Point {
    qsizetype index;
    std::size_t byte;
  };
  // The known point nearest before the target, `before` telling whether a
  // point lies before it.
  template <typename Before>
  Point StartFor(Before before) const;
  // The bytes the character at `point` takes.
  std::size_t Width(Point point) const;
  Point Step(Point point);

  std::string_view bytes_;
  const QString& decoded_;
  Encoding encoding_;
  std::vector<Point> marks_;  // every kMarkEvery characters, as far as walked
  Point last_{0, 0};          // where the previous look-up ended
};

}  // namespace zumoku::search
