#pragma once
// The text of a LaTeX environment around a body: the shape that formulas,
// matrices, verbatim blocks and figures share.
#include <string>
#include <string_view>

namespace zumoku {

// "\begin{name}" and its options (such as "[htbp]"), CR LF, the body, CR LF
// "\end{name}"; no line end after it.
std::string EnvironmentText(std::string_view name, std::string_view body, std::string_view options = {});

}  // namespace zumoku
