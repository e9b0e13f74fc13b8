#pragma once
// Text as it is compared when filtering: ASCII letters in lower case, the
// rest (Japanese included) as it is.
#include <string>
#include <string_view>

namespace zumoku::completion {

std::string Folded(std::string_view text);

}  // namespace zumoku::completion
