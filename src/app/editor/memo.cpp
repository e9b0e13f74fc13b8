#include "app/editor/memo.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <algorithm>

#include "app/desktop/dropped_files.h"
#include "app/editor/document_mime.h"
#include "app/editor/entry_policy.h"
#include "app/editor/memo_read_back.h"
#include "encoding/codec.h"

namespace zumoku {

namespace {
bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool EndsLine(const QString& text) { return std::any_of(text.begin(), text.end(), IsLineEnd); }

// Key text that inserts itself; Backspace, Delete and Esc carry control
// characters, moves and shortcuts none.
bool IsTyped(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() || c == u'\t' || IsLineEnd(c); });
}

QKeyEvent WithText(const QKeyEvent& event, Qt::KeyboardModifiers modifiers, const QString& text) {
  return QKeyEvent(event.type(), event.key(), modifiers, text, event.isAutoRepeat(), event.count());
}
}  // namespace

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("memo1"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
  SetTabWidth(tabWidth_);
  // The one handler of the document's changes: nothing else converts a
  // position before the index counts the change.
  connect(document(), &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
    if (const TextChange change = positions_.Changed(from, added); change.bytesRemoved || change.bytesAdded) {
      emit changed(change);
    }
    if (composing_ || (removed == 0 && added == 0)) return;
    lastChange_ = Change{from, from + added};
    emit edited();
  });
  const auto moved = [this] {
    if (!typing_) EndTypingRun();
  };
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { reportedCaret_ = textCursor().position(); });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, moved);
  connect(this, &QPlainTextEdit::selectionChanged, this, moved);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &Memo::caretMoved);
  connect(document(), &QTextDocument::redoAvailable, this, &Memo::redoAvailable);
}

void Memo::SetTextEncoding(Encoding encoding) {
  encoding_ = encoding;
  positions_.SetEncoding(encoding);
}

QString Memo::NormalizeLineEnds(const QString& text) { return zumoku::NormalizeLineEnds(text); }

bool Memo::Refuse(const QString& text) {
  const auto message = RefusedEntryMessage(text, encoding_);
  if (message) emit refused(*message);
  return message.has_value();
}

void Memo::AsOneStep(const std::function<void()>& edit) { InStep(edit, false); }

void Memo::InStep(const std::function<void()>& edit, bool joins) {
  const auto editAfresh = [&] {
    lastChange_.reset();
    edit();
  };
  steps_.AsOneStep(editAfresh, joins, [this] { ReadBackLastChange(); });
}

void Memo::Type(const std::function<void()>& insert, bool endsLine) {
  const int from = document()->availableUndoSteps();
  // Only while the run's record is the newest step: its edit block is the
  // one to grow.
  const bool joins = runSteps_ == from;
  typing_ = true;
  InStep(insert, joins);
  typing_ = false;
  const int to = document()->availableUndoSteps();
  const bool open = !endsLine && (joins || to > from);
  runSteps_ = open ? std::optional(to) : std::nullopt;
}

void Memo::SetTabWidth(int spaces) {
  tabWidth_ = spaces;
  setTabStopDistance(spaces * fontMetrics().horizontalAdvance(u' '));
}

void Memo::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) SetTabWidth(tabWidth_);
}

// The widget's select-all moves the caret to the end without reporting it;
// reported here, the caret's panel, line and number follow it as every
// other move. Not from within an edit, whose cursors the document is still
// updating.
void Memo::ReportCaretMove() {
  if (textCursor().position() != reportedCaret_) emit cursorPositionChanged();
}

void Memo::SelectAll() {
  selectAll();
  ReportCaretMove();
}

void Memo::keyPressEvent(QKeyEvent* event) {
  // Taken back and redone outside any step.
  if (event->matches(QKeySequence::Undo)) {
    Undo();
  } else if (event->matches(QKeySequence::Redo)) {
    Redo();
  } else if (IsEnter(event->key()) && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
    // Shift+Enter would insert U+2028, which no document can hold; both
    // make an ordinary line end.
    QKeyEvent plain = WithText(*event, event->modifiers() & Qt::KeypadModifier, QStringLiteral("\r"));
    PassKey(&plain);
  } else if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
    // A key held with Alt or Ctrl is a shortcut, never text.
    QKeyEvent shortcut = WithText(*event, event->modifiers(), QString());
    PassKey(&shortcut);
    event->setAccepted(shortcut.isAccepted());
    ReportCaretMove();  // Ctrl+A
    return;
  } else if (!Refuse(event->text()) && !Swallowed(*event)) {
    if (event->key() == Qt::Key_Backspace) SelectCharacterAndSelectorBeforeCaret();
    PassTypedKey(event);
    return;
  }
  event->accept();
}

void Memo::PassTypedKey(QKeyEvent* event) {
  const auto text = IsTyped(event->text()) ? Retyped(typedText_, event->text()) : std::nullopt;
  if (!text) return PassKey(event);
  QKeyEvent changed = WithText(*event, event->modifiers(), *text);
  PassKey(&changed);
  event->setAccepted(changed.isAccepted());
}

// Backspace would take only the selector and silently give the character its
// preferred code.
void Memo::SelectCharacterAndSelectorBeforeCaret() {
  QTextCursor cursor = textCursor();
  const int at = cursor.position();
  if (cursor.hasSelection() || at < 2 || codec::ByteLength(document()->characterAt(at - 1), encoding_) != 0) return;
  cursor.setPosition(at - 2, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void Memo::ReadBackLastChange() {
  if (!lastChange_) return;
  // The reported change can take in the document's final separator, which
  // no cursor may stand after.
  const int to = std::min(lastChange_->to, document()->characterCount() - 1);
  steps_.InNewestBlock([&] {
    int caret = textCursor().position();
    ReadBackEdit(*document(), std::min(lastChange_->from, to), to, NewText::kEntered, encoding_, caret);
    if (caret == textCursor().position()) return;
    QTextCursor moved = textCursor();
    moved.setPosition(caret);
    setTextCursor(moved);
  });
  lastChange_.reset();  // the reading back's own change
}

void Memo::PassKey(QKeyEvent* event) {
  const auto pass = [&] { QPlainTextEdit::keyPressEvent(event); };
  IsTyped(event->text()) ? Type(pass, EndsLine(event->text())) : AsOneStep(pass);
}

bool Memo::Swallowed(const QKeyEvent& event) { return SwallowedByKeyPress(keyPress_, event.text(), encoding_); }

void Memo::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty() || !Refuse(event->commitString())) {
    const auto commit = Retyped(typedText_, event->commitString());
    if (!commit) return PassInputMethod(event);
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(*commit, event->replacementStart(), event->replacementLength());
    return PassInputMethod(&changed);
  }
  // Ends the composition without committing the refused text, and without
  // removing the text a reconversion meant it to replace.
  QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
  PassInputMethod(&withoutCommit);
}

void Memo::PassInputMethod(QInputMethodEvent* event) {
  // Showing or cancelling a composition redraws text but changes none.
  composing_ = event->commitString().isEmpty() && event->replacementLength() == 0 && !textCursor().hasSelection();
  const auto pass = [&] { QPlainTextEdit::inputMethodEvent(event); };
  // A commit that replaces text around the caret is no typing.
  event->replacementLength() == 0 ? Type(pass, EndsLine(event->commitString())) : AsOneStep(pass);
  composing_ = false;
}

// Plain text for other programs; Qt's own rich formats would hide the bytes.
QMimeData* Memo::createMimeDataFromSelection() const {
  const QString text = textCursor().selection().toPlainText();
  return DocumentMimeData(text, codec::Encode(text, encoding_), encoding_);
}

bool Memo::canInsertFromMimeData(const QMimeData* source) const { return CarriesText(*source, encoding_); }

void Memo::insertFromMimeData(const QMimeData* source) {
  const auto incoming = IncomingBytes(*source, encoding_);
  if (!incoming) return;
  if (incoming->refusal) {
    emit refused(*incoming->refusal);
    return;
  }
  Insert(codec::Decode(incoming->bytes, encoding_));
}

void Memo::Insert(const QString& text) {
  QTextCursor cursor = textCursor();
  AsOneStep([&] { cursor.insertText(text); });  // a paste is one undo step of its own
  setTextCursor(cursor);
}

void Memo::Undo() {
  EndTypingRun();
  steps_.Undo();
}

void Memo::Redo() {
  EndTypingRun();
  redo();
}

// A drop inserts the text (and, moving it within the editor, takes it out
// of its old place) in an edit block of its own around insertFromMimeData.
void Memo::dropEvent(QDropEvent* event) {
  lastChange_.reset();
  QPlainTextEdit::dropEvent(event);
  ReadBackLastChange();
}

void Memo::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  // A drag with Ctrl held selects; only a click names a place.
  if (event->button() != Qt::LeftButton || !(event->modifiers() & Qt::ControlModifier) || textCursor().hasSelection())
    return;
  emit controlClicked(positions_.ByteOffset(cursorForPosition(event->position().toPoint()).position()));
}

std::vector<Memo::ShownBlock> Memo::ShownBlocks() const {
  std::vector<ShownBlock> shown;
  const QPointF offset = contentOffset();
  const qreal bottom = viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF bounds = blockBoundingGeometry(block).translated(offset);
    if (bounds.top() > bottom) break;
    if (block.isVisible()) shown.push_back({block, bounds});
  }
  return shown;
}

void Memo::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->ignore();  // passes the drag on to the window
    return;
  }
  QPlainTextEdit::dragEnterEvent(event);
}

}  // namespace zumoku
