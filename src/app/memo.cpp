#include "app/memo.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "app/dropped_files.h"
#include "buffer/line_ends.h"
#include "buffer/sjis_codec.h"

namespace zumoku {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("memo1"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
}

QString Memo::NormalizeLineEnds(const QString& text) {
  const QStringView view(text);
  return QString::fromStdU16String(
      NormalizeInsertedLineEndsToLf(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size()))));
}

bool Memo::Refuse(const QString& text) {
  const auto refused = codec::FirstRefused(text);
  if (!refused) return false;
  const bool printable = !refused->isSurrogate() && refused->isPrint();
  emit this->refused(printable
      ? QStringLiteral("「%1」はShift_JISで表せない文字のため入力できません").arg(*refused)
      : QStringLiteral("Shift_JISで表せない文字は入力できません"));
  return true;
}

void Memo::keyPressEvent(QKeyEvent* event) {
  const bool printable = !event->text().isEmpty() && event->text().at(0).isPrint();
  if ((printable && Refuse(event->text())) || Swallowed(*event)) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool Memo::Swallowed(const QKeyEvent& event) {
  const QString text = event.text();
  if (!keyPress_ || text.size() != 1 || !text.at(0).isPrint() || codec::ByteLength(text.at(0)) != 1) return false;
  const auto bytes = codec::Encode(text);
  if (!bytes) return false;
  char key = bytes->front();
  keyPress_(key);
  return key == 0;
}

void Memo::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty() || !Refuse(event->commitString())) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  // Ends the composition without committing the refused text.
  QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
  withoutCommit.setCommitString(QString(), event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&withoutCommit);
}

bool Memo::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void Memo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  const QString text = NormalizeLineEnds(source->text());
  if (Refuse(text)) return;
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();  // a paste is one undo step of its own
  cursor.insertText(text);
  cursor.endEditBlock();
  setTextCursor(cursor);
}

void Memo::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->ignore();  // passes the drag on to the window
    return;
  }
  QPlainTextEdit::dragEnterEvent(event);
}

}  // namespace zumoku
