#pragma once
// Tells screen readers of memo1's edits and caret moves, as Qt's own text
// widgets do: text inserted, removed or replaced, and the caret, in UTF-16
// offsets with lines joined by "\n". Only while a reader listens.
#include <QString>
#include <cstddef>
#include <functional>

class QAccessibleEvent;

namespace zumoku {

class MemoView;
struct TextChange;

class MemoViewAccessibleEvents {
 public:
  // Listens to the buffer of `memo`, which outlives this.
  explicit MemoViewAccessibleEvents(MemoView& memo);
  // Tells the caret's place when it is not the one told last.
  void CaretMayHaveMoved();
  // Sends the events to `handler` instead, listening or not, as
  // QAccessible::installUpdateHandler does for Qt's own widgets; none puts
  // the screen readers back.
  using Handler = std::function<void(QAccessibleEvent*)>;
  static void InstallHandler(Handler handler);

 private:
  void Replacing(std::size_t at, std::size_t length);
  void Changed(const TextChange& change);
  int UnitsOf(std::size_t byte) const;
  static bool Listening();
  static void Tell(QAccessibleEvent& event);

  MemoView& memo_;
  QString removed_;  // the text the edit under way replaces
  int caret_ = -1;
};

}  // namespace zumoku
