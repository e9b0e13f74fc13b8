#pragma once
// The text that taking an entry writes in place of the typed word, and where
// the caret goes in it.
#include <string>

#include "completion/caret_context.h"
#include "completion/word_set.h"

namespace zumoku::completion {

struct Taken {
  std::string beforeCaret;  // UTF-8
  std::string afterCaret;
  // A '}' right after the caret (the typing aid's) is replaced, so that
  // no second one is written.
  bool replacesClosingBrace = false;
  bool operator==(const Taken&) const = default;
};

// `braceFollows`: the character after the caret is '}'.
Taken TakenText(const Candidate& candidate, const CaretContext& context, bool braceFollows);

}  // namespace zumoku::completion
