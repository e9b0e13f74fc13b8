#pragma once
// Zooming memo1 (either editor): Ctrl+wheel, Ctrl++ and Ctrl+- change the editor's font
// size, Ctrl+0 brings back the size it had before; nothing else changes.
#include <QFont>
#include <QObject>

class QAbstractScrollArea;

namespace zumoku {

class EditorZoom : public QObject {
  Q_OBJECT
 public:
  explicit EditorZoom(QAbstractScrollArea& memo);

  // A new font for the editor, the size Restore comes back to.
  void SetFont(const QFont& font);
  void ZoomBy(int steps);
  void Restore();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractScrollArea& memo_;
  qreal restoredSize_;
};

}  // namespace zumoku
