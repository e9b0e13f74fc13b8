// Detecting a file's format: never a crash, and the same encoding whichever
// line ends (CR LF, LF or CR) the file uses.
#include <cstdlib>
#include <string>

#include "documents/text_format.h"
#include "fuzz_input.h"

namespace {
std::string WithLineEnds(std::string_view text, std::string_view lineEnd) {
  std::string out;
  for (const char c : text) c == '\n' ? out.append(lineEnd) : out.append(1, c);
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zumoku;
  const fuzz::Input input(data, size);
  // Lines of the input, ended by LF only, written each way.
  std::string lf(input.text);
  std::erase(lf, '\r');
  const Encoding plain = input.TextEncoding();
  const Encoding byLf = DetectFormat(lf, plain).format.encoding;
  for (const std::string_view lineEnd : {"\r\n", "\r"}) {
    if (DetectFormat(WithLineEnds(lf, lineEnd), plain).format.encoding != byLf) std::abort();
  }
  return 0;
}
