#pragma once
// Tests write their byte strings as readable UTF-8; S() turns them into the
// Shift_JIS bytes the program stores.
#include <string>
#include <string_view>

#include "buffer/literal.h"

namespace zumoku::test {

inline std::string S(std::string_view utf8) { return Literal(utf8, Encoding::kShiftJis); }

}  // namespace zumoku::test
