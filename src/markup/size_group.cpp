#include "markup/size_group.h"

#include "encoding/char_positions.h"
#include "markup/command_argument.h"
#include "markup/wrap.h"

namespace zumoku::size {

void ApplySize(EditBuffer& buffer, std::string_view opening) { Wrap(buffer, {opening, "}"}); }

std::optional<std::string> SizeGroupText(std::string_view s, Encoding encoding) {
  if (BytePos("{\\", s) != 1) return std::nullopt;
  const int blank = CharPos(" ", s, encoding);
  if (blank == 0 || !IsCommandName(s.substr(2, static_cast<std::size_t>(blank - 3)))) return std::nullopt;
  if (MatchingClosePos(s, 1, encoding) != static_cast<int>(s.size())) return std::nullopt;
  return SubText(s, blank + 1, static_cast<int>(s.size()) - blank - 1);
}

void RemoveSize(EditBuffer& buffer) {
  if (const auto text = SizeGroupText(buffer.SelText(), buffer.TextEncoding())) buffer.SetSelText(*text);
}

}  // namespace zumoku::size
