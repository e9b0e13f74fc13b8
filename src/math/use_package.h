#pragma once
// Package lines of the preamble. A package line is only ever written before
// the text's \begin{document}: a line added anywhere else would land in the
// body, often inside the very formula that needs the package, and no LaTeX
// run accepts a \usepackage there.
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::math {

// Makes the package line (line index 1) name `package`: it is added after
// "\usepackage{" on that line, or an empty line becomes
// "\usepackage{package}". A line with other text gets a new package line
// above it. Nothing changes when the line already mentions the package, or
// when the line to be written does not stand before \begin{document}.
void EnsureUsePackage(EditBuffer& buffer, std::string_view package);

// The matrix's rule: unless the text contains "\usepackage{amsmath}"
// anywhere, a line "\usepackage{amsmath}" is added after the first line,
// provided the first line stands before \begin{document}.
void EnsureAmsmathLine(EditBuffer& buffer);

}  // namespace zumoku::math
