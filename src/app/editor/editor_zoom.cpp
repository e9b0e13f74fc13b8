#include "app/editor/editor_zoom.h"

#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "app/editor/memo.h"

namespace zumoku {

namespace {
constexpr qreal kStep = 1;  // points
constexpr qreal kSmallest = 4;
constexpr qreal kLargest = 96;

void AddShortcut(Memo& memo, const QKeySequence& keys, const std::function<void()>& act) {
  auto* shortcut = new QShortcut(keys, &memo);
  shortcut->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &memo, act);
}
}  // namespace

EditorZoom::EditorZoom(Memo& memo) : QObject(&memo), memo_(memo), restoredSize_(memo.font().pointSizeF()) {
  // Ctrl+= too: on many keyboards "+" needs Shift.
  for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
    AddShortcut(memo, keys, [this] { ZoomBy(1); });
  }
  AddShortcut(memo, QKeySequence::ZoomOut, [this] { ZoomBy(-1); });
  AddShortcut(memo, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { Restore(); });
  memo.viewport()->installEventFilter(this);
}

void EditorZoom::ZoomBy(int steps) {
  QFont font = memo_.font();
  font.setPointSizeF(std::clamp(font.pointSizeF() + steps * kStep, kSmallest, kLargest));
  memo_.setFont(font);
}

void EditorZoom::Restore() {
  QFont font = memo_.font();
  font.setPointSizeF(restoredSize_);
  memo_.setFont(font);
}

bool EditorZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  const int steps = wheel->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
  if (steps != 0) ZoomBy(steps);
  return true;
}

}  // namespace zumoku
