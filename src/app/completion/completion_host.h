#pragma once
// The little of the editor that completion uses: the widget whose keys the
// list takes while it is open, the caret's rectangle, whether an input
// method is composing, and the bytes around the caret on its line. The
// text itself is read and written through the EditBuffer.
#include <QObject>
#include <QRect>
#include <QWidget>
#include <string>

namespace zumoku {

class CompletionHost : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  virtual QWidget& Editor() = 0;
  virtual QRect CaretRect() const = 0;  // in Editor()'s coordinates
  virtual bool Composing() const = 0;
  // The caret's line up to the caret, in the document's bytes.
  virtual std::string LineBeforeCaret() const = 0;
  // The byte right after the caret, 0 at the end of a line.
  virtual char ByteAfterCaret() const = 0;

 signals:
  void textEdited();
  void caretMoved();
};

}  // namespace zumoku
