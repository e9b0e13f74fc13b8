#pragma once
// Inline and display formulas of the formula menu.
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::math {

// True when the selection begins and ends with "$", so the formula menu
// offers to take the dollar signs away.
bool IsInlineMath(std::string_view selection);

// Takes away the first and last character of the selection when
// `inlineMathSelected`, otherwise puts the selection between dollar signs.
void ToggleInlineMath(EditBuffer& buffer, bool inlineMathSelected);

struct DisplayEnvironment {
  std::string_view name;
  bool needsAmsmath;
};

inline constexpr DisplayEnvironment kEquation{"equation", false};
// The starred forms come from amsmath, like gather itself.
inline constexpr DisplayEnvironment kEquationStar{"equation*", true};
inline constexpr DisplayEnvironment kGather{"gather", true};
inline constexpr DisplayEnvironment kGatherStar{"gather*", true};

// Replaces the selection S by "\begin{name}" CR LF S CR LF "\end{name}" and,
// for the amsmath environments, makes the package line name amsmath. Line
// ends that close S follow "\end{name}" instead. False when amsmath is
// needed and the text has no preamble to name it in.
[[nodiscard]] bool WrapInDisplay(EditBuffer& buffer, const DisplayEnvironment& environment);

}  // namespace zumoku::math
