#include "markup/text_menu_state.h"

#include "markup/command_argument.h"
#include "markup/size_group.h"

namespace zumoku {

TextMenuState InspectSelection(std::string_view s) {
  return {SingleCommandArgument(s).has_value(), size::SizeGroupText(s).has_value(), align::FindPresentBlocks(s)};
}

std::string_view AlignmentCaption(const TextMenuState& state, align::Environment environment) {
  const align::EnvironmentTexts& texts = align::kEnvironments[environment];
  return state.alignment[environment] ? texts.captionPresent : texts.captionAbsent;
}

}  // namespace zumoku
