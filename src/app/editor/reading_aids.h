#pragma once
// What makes memo1 readable as LaTeX: colours for the shown text, line
// numbers, the caret's line and brackets marked, zoom. Each is a child of
// the editor and lives as long as it.
namespace zumoku {

class Memo;

void AddReadingAids(Memo& memo);

}  // namespace zumoku
