#include "buffer/sjis_literal.h"

#include <cstdlib>

#include "buffer/sjis_codec.h"

namespace zumoku {

std::string Sjis(std::string_view utf8) {
  const auto bytes =
      codec::Encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), codec::LineEnds::kAsIs);
  // Literals are the program's own text; one that Shift_JIS cannot hold is a
  // programming error, caught by the tests.
  if (!bytes) std::abort();
  return *bytes;
}

}  // namespace zumoku
