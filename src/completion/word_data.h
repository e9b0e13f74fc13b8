#pragma once
// The texts of the files in words/, built into the program.
#include <string_view>

namespace zumoku::completion::word_data {

extern const std::string_view kLatexCommands;
extern const std::string_view kLatexEnvironments;
extern const std::string_view kPlatexCommands;
extern const std::string_view kJclassesCommands;

}  // namespace zumoku::completion::word_data
