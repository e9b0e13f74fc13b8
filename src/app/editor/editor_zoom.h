#pragma once
// Zooming memo1: Ctrl+wheel, Ctrl++ and Ctrl+- change the editor's font
// size, Ctrl+0 brings back the size it had before; nothing else changes.
#include <QObject>

namespace zumoku {

class Memo;

class EditorZoom : public QObject {
  Q_OBJECT
 public:
  explicit EditorZoom(Memo& memo);

  void ZoomBy(int steps);
  void Restore();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Memo& memo_;
  qreal restoredSize_;
};

}  // namespace zumoku
