#include "math/matrix.h"

#include "markup/environment_text.h"
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
  const std::string row = RowLine(columns);
  std::string body;
  for (int line = 1; line < rows; ++line) body += row + "\r\n";
  // The last row has no row end; its blank before "\\" stays.
  body += row.substr(0, row.size() - 2);
  return EnvironmentText(environment, body) + "\r\n";
}

bool InsertMatrix(EditBuffer& buffer, int rows, int columns, std::string_view environment) {
  buffer.SetSelText(BuildMatrix(rows, columns, environment));
  return EnsureAmsmathLine(buffer);
}

}  // namespace zumoku::math
