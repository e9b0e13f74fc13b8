#pragma once
// The caption a window's frame shows: its title with the mark of unsaved
// changes put in or left out.
#include <QWidget>
#include <QWindow>

namespace zumoku::test {

inline QString ShownCaption(QWidget& window) {
  window.winId();  // the platform window holds the caption as shown
  return window.windowHandle()->title();
}

}  // namespace zumoku::test
