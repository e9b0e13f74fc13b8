#pragma once
// memo1 as screen readers and test tools read and edit it: the text with
// offsets in UTF-16 units, lines joined by "\n", as Qt's own text widgets
// give them; insertions, deletions and replacements are undoable edits.
#include <QAccessibleWidget>

#include "app/editor/memo_view.h"

namespace zumoku {

class MemoViewAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
 public:
  explicit MemoViewAccessible(MemoView* memo);
  // Makes QAccessible::queryAccessibleInterface answer with this for memo1.
  static void Register();

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

  // UTF-16 offsets and byte offsets, line by line from the text's start.
  int UnitsOf(std::size_t byte) const;
  std::size_t BytesOf(int units) const;

 private:
  MemoView& Memo() const { return *static_cast<MemoView*>(widget()); }
  DocumentBuffer& Buffer() const { return Memo().Buffer(); }
  QString LineText(int line) const;
};

}  // namespace zumoku
