#pragma once
#include <QFont>

namespace zumoku {

// The Japanese gothic face of windows (12 px), with the closest free faces
// where it is missing.
QFont WindowFont();
// The editor's face `family` at `pixelSize`, the gothic faces behind it for
// the characters it lacks or when it is missing.
QFont EditorFont(const QString& family, int pixelSize);

}  // namespace zumoku
