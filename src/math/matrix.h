#pragma once
// The matrix generator: an environment of R rows whose cells hold their
// column numbers.
#include <array>
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::math {

// The bracket kinds of the matrix dialog, in the order of its items.
inline constexpr std::array<std::string_view, 7> kMatrixEnvironments = {"matrix",  "vmatrix", "pmatrix", "Vmatrix",
                                                                        "bmatrix", "Bmatrix", "cases"};

// Rows and columns a matrix may have.
inline constexpr int kMinMatrixSize = 1;
inline constexpr int kMaxMatrixSize = 100;

// The environment's lines, each followed by CR LF: R rows (at least one),
// every row but the last ending in "\\".
std::string BuildMatrix(int rows, int columns, std::string_view environment);

// Replaces the selection by the matrix and adds the amsmath package line when
// the text lacks it. False when the text has no preamble to add it to.
[[nodiscard]] bool InsertMatrix(EditBuffer& buffer, int rows, int columns, std::string_view environment);

}  // namespace zumoku::math
