#include "app/editor/memo_view_aids.h"

#include "app/editor/editor_zoom.h"
#include "app/editor/memo_view.h"
#include "app/editor/memo_view_caret_marks.h"
#include "app/editor/memo_view_highlighter.h"
#include "app/editor/memo_view_margin.h"

namespace zumoku {

MemoViewAids AddMemoViewAids(MemoView& view) {
  return {.highlighter = new MemoViewHighlighter(view),
          .margin = new MemoViewMargin(view),
          .caretMarks = new MemoViewCaretMarks(view),
          .zoom = new EditorZoom(view)};
}

}  // namespace zumoku
