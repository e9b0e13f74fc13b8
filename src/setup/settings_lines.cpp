#include "setup/settings_lines.h"

namespace zumoku {

std::vector<std::string> SplitSettingsLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

std::string JoinSettingsLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined.append(line).append("\r\n");
  return joined;
}

}  // namespace zumoku
