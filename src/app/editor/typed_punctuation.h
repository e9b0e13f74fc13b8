#pragma once
// "句読点の入力": a 、。，． typed or committed by an input method is written
// in the chosen style, outside formulas and verbatim text, where the
// highlighter's scan of its line puts it. The changed text is what is typed,
// so it joins the typing's undo step.
#include <optional>

#include "app/editor/memo.h"
#include "app/editor/shown_text_highlighter.h"
#include "punctuation/marks.h"

namespace zumoku {

class TypedPunctuation {
 public:
  TypedPunctuation(Memo& memo, ShownTextHighlighter& highlighter);

  // None: marks are written as typed.
  void SetStyle(std::optional<punctuation::Style> style) { style_ = style; }

 private:
  void Restyle(QString& typed) const;

  Memo& memo_;
  ShownTextHighlighter& highlighter_;
  std::optional<punctuation::Style> style_;
};

}  // namespace zumoku
