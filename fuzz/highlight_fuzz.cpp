// The line scanner: spans in order, inside the line, not overlapping, and
// never splitting a surrogate pair. The input is the line's UTF-16 units.
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "highlight/latex_line_scanner.h"

namespace {
bool SplitsAPair(std::u16string_view line, int at) {
  const auto high = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
  const auto low = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
  return at > 0 && at < static_cast<int>(line.size()) && high(line[at - 1]) && low(line[at]);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zumoku::highlight;
  const zumoku::fuzz::Input input(data, size);
  std::u16string line(input.text.size() / 2, u'\0');
  if (!line.empty()) std::memcpy(line.data(), input.text.data(), line.size() * 2);
  const auto start = static_cast<LineState>(input.options % (static_cast<int>(LineState::kVerbatimStar) + 1));
  const ScannedLine scanned = ScanLine(line, start);
  int end = 0;
  for (const Span& span : scanned.spans) {
    if (span.start < end || span.length <= 0 || span.start + span.length > static_cast<int>(line.size())) std::abort();
    if (SplitsAPair(line, span.start) || SplitsAPair(line, span.start + span.length)) std::abort();
    end = span.start + span.length;
  }
  return 0;
}
