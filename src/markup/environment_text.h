#pragma once
// The text of a LaTeX environment around a body: the shape that formulas,
// matrices and verbatim blocks share.
#include <string>
#include <string_view>

namespace zumoku {

// "\begin{name}" CR LF, the body, CR LF "\end{name}"; no line end after it.
std::string EnvironmentText(std::string_view name, std::string_view body);

}  // namespace zumoku
