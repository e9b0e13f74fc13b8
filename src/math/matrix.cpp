#include "math/matrix.h"

#include "math/use_package.h"

namespace zumoku::math {

namespace {
// "    1 & 2 & ... & C \\": every cell holds its column number.
std::string RowLine(int columns) {
  std::string row = "    ";
  for (int column = 1; column < columns; ++column) row += std::to_string(column) + " & ";
  return row + std::to_string(columns) + " \\\\";
}
}  // namespace

std::string BuildMatrix(int rows, int columns, std::string_view environment) {
  const std::string name(environment);
  const std::string row = RowLine(columns);
  std::string text = "\\begin{" + name + "}\r\n";
  for (int line = 1; line < rows; ++line) text += row + "\r\n";
  // The last row has no row end; its blank before "\\" stays.
  text += row.substr(0, row.size() - 2) + "\r\n";
  return text + "\\end{" + name + "}\r\n";
}

bool InsertMatrix(EditBuffer& buffer, int rows, int columns, std::string_view environment) {
  buffer.SetSelText(BuildMatrix(rows, columns, environment));
  return EnsureAmsmathLine(buffer);
}

}  // namespace zumoku::math
