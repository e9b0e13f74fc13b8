#pragma once
#include <QFont>

namespace zumoku {

// The Japanese gothic face of windows (12 px) and of the editor (16 px),
// with the closest free faces where the specified one is missing.
QFont WindowFont();
QFont EditorFont();

}  // namespace zumoku
