#include "markup/inline_inserts.h"

#include <string>

#include "buffer/sjis.h"
#include "buffer/sjis_literal.h"
#include "markup/environment_text.h"

namespace zumoku::insert {

void MarginNoteBothSides(EditBuffer& buffer) {
  static const std::string left = "\\marginpar[" + Sjis("左：");
  static const std::string right = "]{" + Sjis("右：");
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
  std::string dotted;
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t length = CharLengthAt(s, at);
    const std::string_view c = std::string_view(s).substr(at, length);
    if (length == 2) {
      dotted.append("\\.{").append(c).append("}");
    } else {
      dotted.append(c);
    }
    at += length;
  }
  buffer.SetSelText(dotted);
}

}  // namespace zumoku::insert
