#include "markup/text_menu_state.h"

#include "markup/command_argument.h"
#include "markup/size_group.h"

namespace zumoku {

TextMenuState InspectSelection(std::string_view s, Encoding encoding) {
  return {SingleCommandArgument(s, encoding).has_value(), size::SizeGroupText(s, encoding).has_value(),
          align::FindPresentBlocks(s, encoding)};
}

std::string_view AlignmentCaption(const TextMenuState& state, align::Environment environment) {
  const align::EnvironmentTexts& texts = align::kEnvironments[environment];
  return state.alignment[environment] ? texts.captionPresent : texts.captionAbsent;
}

}  // namespace zumoku
