// The codec keeps every byte: decoded and encoded again, any file comes back
// with only its line ends made CR LF, each UTF-16 unit counts its bytes, and
// decoded text reads back as itself.
#include <cstdlib>

#include "encoding/codec.h"
#include "encoding/line_ends.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zumoku;
  const fuzz::Input input(data, size);
  const Encoding encoding = input.TextEncoding();
  const std::string stored = NormalizeLoadedLineEnds(input.text);
  const QString shown = codec::Decode(input.text, encoding);
  if (codec::Encode(shown, encoding) != stored) std::abort();
  if (codec::ByteLength(shown, encoding) != static_cast<int>(stored.size())) std::abort();
  if (codec::ReadBack(shown, encoding) != shown) std::abort();
  return 0;
}
