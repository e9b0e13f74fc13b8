#pragma once
// The usual keys of the "ファイル" menu entries. The edit keys stay with the
// editor, which handles them itself.
class QObject;

namespace zumoku {

// Gives the entries named N2, Open1, Save1, SaveAs1 and Exit1 (children of
// `form`) their keys, which the menu then shows beside the captions.
void SetFileMenuKeys(const QObject& form);

}  // namespace zumoku
