#pragma once
// Package lines of the preamble. A package line is only ever written between
// the \documentclass line and \begin{document}: above the class LaTeX stops
// ("\usepackage before \documentclass"), and in the body, often inside the
// very formula that needs the package, no LaTeX run accepts it either.
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::math {

// Makes the package line, the line after \documentclass, name `package`: it
// is added after "\usepackage{" on that line, or an empty line becomes
// "\usepackage{package}". A line with other text gets a new package line
// above it. Nothing changes when that line already mentions the package or
// the preamble loads it in any form (with options, among other packages).
// False, with nothing changed, when the text has no preamble to write into:
// no \documentclass line with \begin{document} on a later line.
[[nodiscard]] bool EnsureUsePackage(EditBuffer& buffer, std::string_view package);

// A line of its own for the package: unless the preamble loads the package
// in any form, the line "\usepackage" + options + "{package}" is added after
// the \documentclass line. `options` is "" or a bracketed list such as
// "[dvipdfmx]". False as above.
[[nodiscard]] bool EnsurePackageLine(EditBuffer& buffer, std::string_view package, std::string_view options = {});

// The matrix's rule: unless the text contains "\usepackage{amsmath}"
// anywhere, EnsurePackageLine for amsmath.
[[nodiscard]] bool EnsureAmsmathLine(EditBuffer& buffer);

}  // namespace zumoku::math
