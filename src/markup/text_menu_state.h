#pragma once
// What the text context menu shows for a selection: whether each removal
// command is offered, and which alignment blocks the selection holds (which
// sets the alignment captions and the flags the alignment commands act on).
#include <string_view>

#include "encoding/encoding.h"
#include "markup/alignment.h"

namespace zumoku {

struct TextMenuState {
  // Offered exactly when the removal would change the selection.
  bool showFontRemoval = false;
  bool showSizeRemoval = false;
  align::PresentBlocks alignment = {};
};

TextMenuState InspectSelection(std::string_view s, Encoding encoding);

// The caption of an alignment entry (UTF-8) for the state of its block.
std::string_view AlignmentCaption(const TextMenuState& state, align::Environment environment);

}  // namespace zumoku
