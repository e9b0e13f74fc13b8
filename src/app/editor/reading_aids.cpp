#include "app/editor/reading_aids.h"

#include "app/editor/caret_marks.h"
#include "app/editor/editor_zoom.h"
#include "app/editor/line_number_margin.h"
#include "app/editor/memo.h"
#include "app/editor/shown_text_highlighter.h"

namespace zumoku {

ReadingAids AddReadingAids(Memo& memo) {
  return {.highlighter = new ShownTextHighlighter(memo),
          .margin = new LineNumberMargin(memo),
          .caretMarks = new CaretMarks(memo),
          .zoom = new EditorZoom(memo)};
}

}  // namespace zumoku
