#include "matrix.h"

#include <charconv>
#include <cstdint>

#include "use_package.h"

namespace zumoku::math {

std::optional<int> ParseInteger(std::string_view text) {
  // from_chars takes a minus sign but no plus sign.
  const bool plus = text.starts_with('+');
  if (plus) text.remove_prefix(1);
  if (plus && text.starts_with('-')) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

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

void InsertMatrix(EditBuffer& buffer, int rows, int columns, std::string_view environment) {
  buffer.SetSelText(BuildMatrix(rows, columns, environment));
  EnsureAmsmathLine(buffer);
}

}  // namespace zumoku::math
