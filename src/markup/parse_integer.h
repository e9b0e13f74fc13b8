#pragma once
// Reading a number typed into a dialog's edit.
#include <optional>
#include <string_view>

namespace zumoku {

// A whole decimal number with an optional sign that fits 32 bits; nullopt
// for every other text (blanks, full-width digits, "+-1", ...).
std::optional<int> ParseInteger(std::string_view text);

}  // namespace zumoku
