#pragma once
// Commands that build their text as lines join them with CR LF after every
// line, the last one included.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku {

std::string JoinLines(const std::vector<std::string_view>& lines);

}  // namespace zumoku
