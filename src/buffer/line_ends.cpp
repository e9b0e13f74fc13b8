#include "buffer/line_ends.h"

namespace zumoku {

namespace {
// Length of the line end that starts at `at` (0 when there is none).
using LineEndMatcher = std::size_t (*)(std::string_view, std::size_t);

std::size_t InsertedLineEndAt(std::string_view s, std::size_t at) {
  if (s[at] == '\n') return 1;
  if (s[at] != '\r') return 0;
  if (s.substr(at, 3) == "\r\r\n") return 3;
  if (s.substr(at, 2) == "\r\n") return 2;
  return 1;
}

std::size_t LoadedLineEndAt(std::string_view s, std::size_t at) {
  if (s[at] == '\n') return 1;
  if (s[at] != '\r') return 0;
  return s.substr(at, 2) == "\r\n" ? 2 : 1;
}

std::string Normalize(std::string_view s, LineEndMatcher lineEndAt) {
  std::string out;
  out.reserve(s.size() + s.size() / 32);
  std::size_t at = 0;
  while (at < s.size()) {
    const auto plain = s.find_first_of("\r\n", at);
    if (plain == std::string_view::npos) {
      out.append(s.substr(at));
      break;
    }
    out.append(s.substr(at, plain - at));
    out.append("\r\n");
    at = plain + lineEndAt(s, plain);
  }
  return out;
}
}  // namespace

std::string NormalizeInsertedLineEnds(std::string_view s) {
  return Normalize(s, InsertedLineEndAt);
}

std::string NormalizeLoadedLineEnds(std::string_view s) {
  return Normalize(s, LoadedLineEndAt);
}

}  // namespace zumoku
