#pragma once
// What makes memo1 readable as LaTeX: colours for the shown text, line
// numbers, the caret's line and brackets marked, zoom. Each is a child of
// the editor and lives as long as it.
namespace zumoku {

class Memo;
class ShownTextHighlighter;
class LineNumberMargin;
class CaretMarks;
class EditorZoom;

// Each switched on; owned by the editor.
struct ReadingAids {
  ShownTextHighlighter* highlighter;
  LineNumberMargin* margin;
  CaretMarks* caretMarks;
  EditorZoom* zoom;
};

ReadingAids AddReadingAids(Memo& memo);

}  // namespace zumoku
