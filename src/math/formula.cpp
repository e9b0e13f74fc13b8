#include "math/formula.h"

#include <string>

#include "buffer/sjis.h"
#include "markup/environment_text.h"
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
  buffer.SetSelText(EnvironmentText(environment.name, buffer.SelText()));
  if (environment.needsAmsmath) EnsureUsePackage(buffer, "amsmath");
}

}  // namespace zumoku::math
