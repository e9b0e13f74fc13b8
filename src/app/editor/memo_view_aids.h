#pragma once
// What makes MemoView readable as LaTeX: colours, line numbers, the caret's
// line and brackets marked, zoom. Each is a child of the view and lives as
// long as it.
namespace zumoku {

class MemoView;
class MemoViewHighlighter;
class MemoViewMargin;
class MemoViewCaretMarks;
class EditorZoom;

// Each switched on; owned by the view.
struct MemoViewAids {
  MemoViewHighlighter* highlighter;
  MemoViewMargin* margin;
  MemoViewCaretMarks* caretMarks;
  EditorZoom* zoom;
};

MemoViewAids AddMemoViewAids(MemoView& view);

}  // namespace zumoku
