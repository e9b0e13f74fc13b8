#include "markup/line_list.h"

namespace zumoku {

std::string JoinLines(const std::vector<std::string_view>& lines) {
  std::string joined;
  for (const std::string_view line : lines) {
    joined.append(line);
    joined.append("\r\n");
  }
  return joined;
}

}  // namespace zumoku
