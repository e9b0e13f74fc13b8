#include "math/formula.h"

#include <string>

#include "buffer/sjis.h"
#include "math/use_package.h"

namespace zumoku::math {

bool IsInlineMath(std::string_view selection) {
  // A trail byte is never "$", so the last byte is the last character.
  return !selection.empty() && selection.front() == '$' && selection.back() == '$';
}

void ToggleInlineMath(EditBuffer& buffer, bool inlineMathSelected) {
  const std::string s = buffer.SelText();
  const int size = static_cast<int>(s.size());
  buffer.SetSelText(inlineMathSelected ? SubText(s, 2, size - 2) : "$" + s + "$");
}

void WrapInDisplay(EditBuffer& buffer, const DisplayEnvironment& environment) {
  const std::string name(environment.name);
  buffer.SetSelText("\\begin{" + name + "}\r\n" + buffer.SelText() + "\r\n\\end{" + name + "}");
  if (environment.needsAmsmath) EnsureUsePackage(buffer, "amsmath");
}

}  // namespace zumoku::math
