#include "app/editor/editor_zoom.h"

#include <QAbstractScrollArea>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

namespace zumoku {

namespace {
// In the unit the font was given in, points or pixels.
constexpr qreal kSmallest = 4;
constexpr qreal kLargest = 96;

qreal SizeOf(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize(); }

void Resize(QFont& font, qreal size) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(size);
  } else {
    font.setPixelSize(qRound(size));
  }
}

void AddShortcut(QAbstractScrollArea& memo, const QKeySequence& keys, const std::function<void()>& act) {
  auto* shortcut = new QShortcut(keys, &memo);
  shortcut->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &memo, act);
}
}  // namespace

EditorZoom::EditorZoom(QAbstractScrollArea& memo) : QObject(&memo), memo_(memo), restoredSize_(SizeOf(memo.font())) {
  // Ctrl+= too: on many keyboards "+" needs Shift.
  for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
    AddShortcut(memo, keys, [this] { ZoomBy(1); });
  }
  AddShortcut(memo, QKeySequence::ZoomOut, [this] { ZoomBy(-1); });
  AddShortcut(memo, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { Restore(); });
  memo.viewport()->installEventFilter(this);
}

void EditorZoom::SetFont(const QFont& font) {
  restoredSize_ = SizeOf(font);
  memo_.setFont(font);
}

void EditorZoom::ZoomBy(int steps) {
  QFont font = memo_.font();
  Resize(font, std::clamp(SizeOf(font) + steps, kSmallest, kLargest));
  memo_.setFont(font);
}

void EditorZoom::Restore() {
  QFont font = memo_.font();
  Resize(font, restoredSize_);
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
