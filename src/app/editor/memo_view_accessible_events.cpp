#include "app/editor/memo_view_accessible_events.h"

#include "app/editor/decoded_range.h"

#include <QAccessible>

#include "app/editor/memo_view.h"
#include "app/editor/memo_view_accessible.h"
#include "encoding/codec.h"

namespace zumoku {

namespace {
MemoViewAccessibleEvents::Handler& InstalledHandler() {
  static MemoViewAccessibleEvents::Handler handler;
  return handler;
}
}  // namespace

void MemoViewAccessibleEvents::InstallHandler(Handler handler) { InstalledHandler() = std::move(handler); }

bool MemoViewAccessibleEvents::Listening() { return InstalledHandler() || QAccessible::isActive(); }

void MemoViewAccessibleEvents::Tell(QAccessibleEvent& event) {
  InstalledHandler() ? InstalledHandler()(&event) : QAccessible::updateAccessibility(&event);
}

MemoViewAccessibleEvents::MemoViewAccessibleEvents(MemoView& memo) : memo_(memo) {
  memo.Buffer().AddReplacingListener([this](std::size_t at, std::size_t length) { Replacing(at, length); });
  memo.Buffer().AddChangeListener([this](const TextChange& change) { Changed(change); });
}

int MemoViewAccessibleEvents::UnitsOf(std::size_t byte) const {
  return static_cast<MemoViewAccessible*>(QAccessible::queryAccessibleInterface(&memo_))->UnitsOf(byte);
}

void MemoViewAccessibleEvents::Replacing(std::size_t at, std::size_t length) {
  removed_ = Listening() ? DecodedRange(memo_.Buffer(), at, at + length) : QString();
}

void MemoViewAccessibleEvents::Changed(const TextChange& change) {
  if (!Listening()) return;
  const auto at = static_cast<std::size_t>(change.byteOffset);
  const int position = UnitsOf(at);
  const QString inserted = DecodedRange(memo_.Buffer(), at, at + static_cast<std::size_t>(change.bytesAdded));
  if (removed_.isEmpty() && inserted.isEmpty()) return;
  if (removed_.isEmpty()) {
    QAccessibleTextInsertEvent event(&memo_, position, inserted);
    Tell(event);
  } else if (inserted.isEmpty()) {
    QAccessibleTextRemoveEvent event(&memo_, position, removed_);
    Tell(event);
  } else {
    QAccessibleTextUpdateEvent event(&memo_, position, removed_, inserted);
    Tell(event);
  }
  removed_.clear();
}

void MemoViewAccessibleEvents::CaretMayHaveMoved() {
  if (!Listening()) return;
  const int caret = UnitsOf(memo_.Caret());
  if (caret == caret_) return;
  caret_ = caret;
  QAccessibleTextCursorEvent event(&memo_, caret);
  Tell(event);
}

}  // namespace zumoku
