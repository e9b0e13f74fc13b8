#pragma once
// What the program's small dialogs share: their frame and their message for
// a number that cannot be read.
#include <QString>
#include <Qt>

class QWidget;

namespace zumoku {

// A tool window with a caption and a close box, nothing to minimise or
// maximise.
Qt::WindowFlags DialogWindowFlags();

// A width at which a window manager's title bar shows `dialog`'s caption
// whole: its face is often bold and larger, and the window's icon and
// buttons share the bar.
int TitleBarWidth(const QWidget& dialog);

// "'text' は整数ではありません": the text is no whole decimal number that fits
// 32 bits.
QString NotWholeNumberMessage(const QString& text);

}  // namespace zumoku
