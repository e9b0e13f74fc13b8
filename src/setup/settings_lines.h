#pragma once
// The line rule of the settings files.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku {

// Lines end at CR LF, at a lone CR and at a lone LF; a line break at the very
// end makes no extra empty line; a NUL ends the text.
std::vector<std::string> SplitSettingsLines(std::string_view bytes);

// CR LF after every line, the last one included.
std::string JoinSettingsLines(const std::vector<std::string>& lines);

}  // namespace zumoku
