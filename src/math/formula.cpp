#include "math/formula.h"

#include <string>

#include "encoding/char_positions.h"
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

bool WrapInDisplay(EditBuffer& buffer, const DisplayEnvironment& environment) {
  std::string s = buffer.SelText();
  // A selected line brings its line end along; inside the block it would
  // make an empty line, which display math does not allow. Line ends at the
  // end of the selection follow the block instead.
  const std::string lineEnds = s.substr(s.find_last_not_of("\r\n") + 1);
  s.resize(s.size() - lineEnds.size());
  buffer.SetSelText(EnvironmentText(environment.name, s) + lineEnds);
  return !environment.needsAmsmath || EnsureUsePackage(buffer, "amsmath");
}

}  // namespace zumoku::math
