#include "markup/inline_inserts.h"

#include <string>

#include "buffer/literal.h"
#include "encoding/char_positions.h"
#include "markup/environment_text.h"

namespace zumoku::insert {

void MarginNoteBothSides(EditBuffer& buffer) {
  const std::string left = "\\marginpar[" + Literal("左：", buffer.TextEncoding());
  const std::string right = "]{" + Literal("右：", buffer.TextEncoding());
  const std::string s = buffer.SelText();
  buffer.SetSelText(left + s + right + s + "}");
}

void InlineVerbatim(EditBuffer& buffer, std::string_view opening) {
  if (BytePos("|", buffer.SelText()) == 0) Wrap(buffer, {opening, "|"});
}

void VerbatimBlock(EditBuffer& buffer, std::string_view environment) {
  buffer.SetSelText(EnvironmentText(environment, buffer.SelText()) + "\r\n");
}

void EmphasisDots(EditBuffer& buffer) {
  const std::string s = buffer.SelText();
  const Encoding encoding = buffer.TextEncoding();
  std::string dotted;
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t length = CharLengthAt(s, at, encoding);
    const std::string_view c = std::string_view(s).substr(at, length);
    if (IsFullWidth(c, encoding)) {
      dotted.append("\\.{").append(c).append("}");
    } else {
      dotted.append(c);
    }
    at += length;
  }
  buffer.SetSelText(dotted);
}

}  // namespace zumoku::insert
