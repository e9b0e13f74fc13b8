#pragma once
// memo1: the plain-text editor widget. It lets in only text that the
// document's encoding can hold, whether typed, composed by an input method, pasted or dropped,
// and brings pasted line ends to one form. Text copied or dragged out of it
// carries its document bytes, so it comes back exactly.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/editor/block_byte_index.h"
#include "app/editor/entry_policy.h"
#include "app/editor/extra_selection_layers.h"
#include "app/editor/memo_read_back.h"
#include "app/editor/undo_steps.h"
#include "buffer/text_change.h"
#include "encoding/encoding.h"

namespace zumoku {

class Memo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit Memo(QWidget* parent = nullptr);

  // Line ends of pasted text by the inserted-text rule, each becoming '\n'.
  static QString NormalizeLineEnds(const QString& text);

  // The typing aids hang on these; entry_policy.h says what each sees.
  using KeyPressHandler = zumoku::KeyPressHandler;
  void SetKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }
  using TypedTextHandler = zumoku::TypedTextHandler;
  void SetTypedTextHandler(TypedTextHandler handler) { typedText_ = std::move(handler); }

  // The encoding of the document's bytes, which decides what text may come
  // in and how it is stored; set before the document's text.
  Encoding TextEncoding() const { return encoding_; }
  void SetTextEncoding(Encoding encoding);

  // The stored byte offsets of the text's positions, up to date with every
  // change the document has reported; a command that reads positions between
  // its writes brings it up to date itself.
  BlockByteIndex& Positions() { return positions_; }
  const BlockByteIndex& Positions() const { return positions_; }

  // Takes back the most recent undo step and brings back the selection from
  // before it.
  void Undo();
  // Takes the most recent undone step again.
  void Redo();
  // Selects the whole text, the caret at its end.
  void SelectAll();
  // The one record of undo steps, which the EditBuffer's commands share.
  UndoSteps& Steps() { return steps_; }
  // Runs an edit as one undo step of its own, so that Undo takes back what
  // one paste, cut or deleting key did.
  void AsOneStep(const std::function<void()>& edit);
  // Typed insertions (keys and input-method commits) that each start where
  // the previous one ended form one undo step, a typing run. A typed line end
  // closes its run, and so does any other change of the text, a move of the
  // caret or the selection, and Undo; commands close it through this.
  void EndTypingRun() { runSteps_.reset(); }

  // The blocks the viewport shows, top down, each with its bounds in
  // viewport coordinates: what the margin and the highlighter draw for.
  struct ShownBlock {
    QTextBlock block;
    QRectF bounds;
  };
  std::vector<ShownBlock> ShownBlocks() const;
  // A tab's width in spaces of the editor's font, kept when the font changes.
  void SetTabWidth(int spaces);
  // Room left of the text, for the line numbers.
  void SetLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }

  // What code outside the editor uses, the same on the widget drawn from
  // the bytes: places are byte offsets into the stored text, lines count
  // from 0, and an empty line after a final line end counts.
  int LineCount() const { return blockCount(); }
  int CaretLine() const { return textCursor().blockNumber(); }
  std::size_t CaretOffset() const;
  // The caret to `offset` (clamped to the text, moved back to the start of
  // a character it would split), nothing selected, scrolled into view.
  void SetCaretOffset(std::size_t offset);
  // The bytes of the line, its line end left out.
  ByteRange LineSpan(int line) const;
  // Empty when the range holds a character the encoding cannot store, which
  // only text put into the widget directly can.
  std::string Bytes(ByteRange range) const;
  // The caret to the line's start, or the whole line without its line end
  // selected, scrolled into view; a line outside the text changes nothing.
  void GoToLine(int line);
  void SelectLine(int line);
  // The marks of one layer, each drawn in the layer's format; the caret
  // line's layer draws the whole width of the line its range is on.
  void SetMarkFormat(MarkLayer layer, const QTextCharFormat& format);
  void SetMarks(MarkLayer layer, const std::vector<ByteRange>& ranges);
  std::vector<ByteRange> Marks(MarkLayer layer) const;  // moved with the edits since
  // The lines the viewport shows, top down, with their bounds in viewport
  // coordinates.
  struct ShownLine {
    int line;
    QRectF bounds;
  };
  std::vector<ShownLine> ShownLines() const;
  // The caret's rectangle in the widget's own coordinates.
  QRect CaretRect() const { return cursorRect().translated(viewport()->pos()); }
  // The caret moved.
  Q_SIGNAL void caretMoved();
  // Whether Redo has a step to take again.
  Q_SIGNAL void redoAvailable(bool available);

 signals:
  // Text was refused; the message says why, for the status bar.
  void refused(const QString& message);
  // The text changed; showing an input method's composition does not count.
  void edited();
  // Every change of the text the document reports, in lines and bytes,
  // once, with Positions() already counting it: what follows the text
  // subscribes here. Told while QTextDocument::clear() has set its cursors
  // aside, too: a subscriber frees or replaces no cursor here.
  void changed(const zumoku::TextChange& change);
  // A Ctrl+left-click, at this byte offset, after the click did what a click does.
  void controlClicked(int byteOffset);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  // Dragged files are documents for the window to open, not text to insert.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Change {
    int from, to;  // the changed text, as the document reports it once an edit block ends
  };

  // True (and the refusal reported) when text holds a character that the
  // document cannot store.
  bool Refuse(const QString& text);
  // Reports a caret move that the widget made silently.
  void ReportCaretMove();
  // True when the key press handler swallowed the event's character.
  bool Swallowed(const QKeyEvent& event);
  void PassKey(QKeyEvent* event);
  // Passes a key whose text is typed, as the typed text handler leaves it.
  void PassTypedKey(QKeyEvent* event);
  void SelectCharacterAndSelectorBeforeCaret();
  // Makes the text the last edit block changed show what its bytes read back
  // as, in that block's undo step; the caret moves past a character it would
  // split.
  void ReadBackLastChange();
  void PassInputMethod(QInputMethodEvent* event);
  void Insert(const QString& text);
  // Runs an edit in one edit block: a new step, or, joining, the newest
  // step grown.
  void InStep(const std::function<void()>& edit, bool joins);
  // Runs a typed insertion as part of the open typing run, or as the first
  // of a new one.
  void Type(const std::function<void()>& insert, bool endsLine);

  KeyPressHandler keyPress_;
  TypedTextHandler typedText_;
  bool composing_ = false;
  UndoSteps steps_{*this};
  // While a typing run is open: the undo stack's depth after its last
  // insertion. Its record is then the newest step's.
  std::optional<int> runSteps_;
  bool typing_ = false;    // caret moves are the typing's own
  int reportedCaret_ = 0;  // where the last caret move signal left the caret
  std::optional<Change> lastChange_;
  Encoding encoding_ = Encoding::kShiftJis;
  BlockByteIndex positions_{*document()};
  int tabWidth_ = 8;
  ExtraSelectionLayers selectionLayers_{*this};
};

}  // namespace zumoku
