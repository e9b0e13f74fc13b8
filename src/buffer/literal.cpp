#include "buffer/literal.h"

#include <cstdlib>

#include "encoding/codec.h"

namespace zumoku {

std::string Literal(std::string_view utf8, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return std::string(utf8);
  const auto bytes = codec::Encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), encoding,
                                   codec::LineEnds::kAsIs);
  // Literals are the program's own text; one that Shift_JIS cannot hold is a
  // programming error, caught by the tests.
  if (!bytes) std::abort();
  return *bytes;
}

}  // namespace zumoku
