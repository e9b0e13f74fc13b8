#pragma once
// Marks around MemoView's caret, as layers of its byte marks: a subtle
// background on the caret's line, and the bracket next to the caret with its
// partner. They are brought up to date just before the view paints, when
// the caret or the text moved.
#include <QObject>
#include <cstdint>
#include <optional>
#include <utility>

#include "app/editor/byte_range.h"
#include "buffer/document_buffer.h"

namespace zumoku {

class MemoView;

// The bracket right after `caret`, else the one right before it, and its
// partner, as byte offsets; found by characters, never by bytes.
std::optional<std::pair<std::size_t, std::size_t>> BracesAt(const DocumentBuffer& buffer, std::size_t caret);

class MemoViewCaretMarks : public QObject {
  Q_OBJECT
 public:
  explicit MemoViewCaretMarks(MemoView& view);

  void SetCaretLineShown(bool shown);
  void SetBracesShown(bool shown);

 protected:
  // The viewport is about to paint.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Mark();
  bool NextToBracket(int line, std::size_t byteInLine);

  MemoView& view_;
  bool caretLine_ = true;
  bool braces_ = true;
  // What the marks were made for; nothing yet.
  std::optional<std::pair<std::size_t, std::uint64_t>> marked_;
};

}  // namespace zumoku
