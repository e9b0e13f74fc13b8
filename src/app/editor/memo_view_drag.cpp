// MemoView's drags: its selection dragged out as its bytes, text dropped in
// as one undo step (a move within the view too), files passed on to the
// window.
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>

#include "app/desktop/dropped_files.h"
#include "app/editor/document_mime.h"
#include "app/editor/memo_view.h"
#include "encoding/codec.h"

namespace zumoku {

void MemoView::MoveSelectionTo(std::size_t at) {
  FollowBuffer();
  const std::size_t from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
  if (at >= from && at <= to) return;
  const std::string moved = buffer_.SelText();
  AsOneStep([&] {
    buffer_.SetSelText("");
    buffer_.SetSelStart(static_cast<int>(at > to ? at - moved.size() : at));
    buffer_.SetSelText(moved);
  });
}

bool MemoView::PressStartsDrag(std::size_t offset, const QMouseEvent& event) {
  const std::size_t from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
  const bool inSelection = from < to && offset >= from && offset < to && !(event.modifiers() & Qt::ShiftModifier);
  dragPress_ = inSelection ? std::optional(event.position().toPoint()) : std::nullopt;
  return inSelection;
}

bool MemoView::DragsOn(const QMouseEvent& event) {
  if (!dragPress_) return false;
  if ((event.position().toPoint() - *dragPress_).manhattanLength() < QApplication::startDragDistance()) return true;
  dragPress_.reset();
  const std::string bytes = buffer_.SelText();
  const Encoding encoding = buffer_.TextEncoding();
  auto* drag = new QDrag(this);
  drag->setMimeData(DocumentMimeData(codec::Decode(bytes, encoding), bytes, encoding));
  // A move within the view was done by the drop; into another program, the
  // text leaves here.
  if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction) == Qt::MoveAction && drag->target() != viewport()) {
    FollowBuffer();
    buffer_.DeleteSelection();
  }
  return true;
}

// A click in the selection that started no drag places the caret there.
void MemoView::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragPress_) return;
  dragPress_.reset();
  MoveCaret(OffsetAt(event->position().toPoint()), false);
}

void MemoView::dragEnterEvent(QDragEnterEvent* event) {
  // Dragged files are documents for the window to open, not text to insert.
  if (!LocalFiles(event->mimeData()).isEmpty() || !CarriesText(*event->mimeData(), buffer_.TextEncoding())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
}

void MemoView::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void MemoView::dropEvent(QDropEvent* event) {
  const std::size_t at = OffsetAt(event->position().toPoint());
  if (event->source() == this && event->dropAction() == Qt::MoveAction) {
    MoveSelectionTo(at);
    return event->acceptProposedAction();
  }
  const auto incoming = IncomingBytes(*event->mimeData(), buffer_.TextEncoding());
  if (!incoming) return event->ignore();
  if (incoming->refusal) {
    emit refused(*incoming->refusal);
    return event->ignore();
  }
  AsOneStep([&] {
    buffer_.SetSelStart(static_cast<int>(at));
    buffer_.SetSelText(incoming->bytes);
  });
  event->acceptProposedAction();
}

}  // namespace zumoku
