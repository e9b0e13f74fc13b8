#include "markup/font_style.h"

#include <string>

#include "encoding/char_positions.h"
#include "markup/command_argument.h"

namespace zumoku::font {

namespace {
std::string Argument(std::string_view s, const BracePositions& braces) {
  return SubText(s, braces.OpenPos + 1, braces.ClosePos - braces.OpenPos - 1);
}
}  // namespace

void ApplyStyle(EditBuffer& buffer, std::string_view opening) {
  const std::string s = buffer.SelText();
  const auto braces = SingleCommandArgument(s, buffer.TextEncoding());
  const std::string inner = braces ? Argument(s, *braces) : s;
  buffer.SetSelText(std::string(opening) + inner + "}");
}

void RemoveStyle(EditBuffer& buffer) {
  const std::string s = buffer.SelText();
  if (const auto braces = SingleCommandArgument(s, buffer.TextEncoding())) buffer.SetSelText(Argument(s, *braces));
}

}  // namespace zumoku::font
