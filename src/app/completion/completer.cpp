#include "app/completion/completer.h"

#include <QKeyEvent>
#include <utility>

#include "app/completion/completion_list.h"
#include "buffer/edit_buffer.h"
#include "completion/filter.h"
#include "completion/taking.h"
#include "encoding/codec.h"

namespace zumoku {

using completion::Candidate;
using completion::CaretContext;
using completion::ContextKind;

namespace {
std::string Utf8Of(std::string_view bytes, Encoding encoding) { return codec::Decode(bytes, encoding).toStdString(); }
}  // namespace

Completer::Completer(CompletionHost& host, EditBuffer& buffer, QObject* parent)
    : QObject(parent),
      host_(host),
      editor_(&host.Editor()),
      buffer_(buffer),
      list_(new CompletionList(&host.Editor())) {
  host_.Editor().installEventFilter(this);
  connect(&host_, &CompletionHost::textEdited, this, &Completer::ScheduleUpdate);
  connect(&host_, &CompletionHost::caretMoved, this, [this] {
    if (ListShown()) ScheduleUpdate();
  });
  connect(list_, &CompletionList::taken, this, [this](int row) {
    if (const Candidate* candidate = list_->Rows().Row(row)) Take(*candidate);
  });
}

void Completer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled_) Close();
}

bool Completer::ListShown() const { return list_ && list_->isVisible(); }

void Completer::Open() {
  forced_ = true;
  Update();
}

void Completer::Close() {
  forced_ = false;
  if (list_) list_->hide();
}

void Completer::ScheduleUpdate() {
  if (updatePending_) return;
  updatePending_ = true;
  QMetaObject::invokeMethod(this, &Completer::Update, Qt::QueuedConnection);
}

void Completer::Update() {
  updatePending_ = false;
  if (std::exchange(justTaken_, false)) return Close();
  if (!enabled_ || !words_ || host_.Composing()) return Close();
  const std::string line = host_.LineBeforeCaret();
  const Encoding encoding = buffer_.TextEncoding();
  context_ = completion::FindContext(line, encoding, {.commandLetters = letters_, .forced = forced_});
  lineStart_ = static_cast<std::size_t>(buffer_.SelStart()) - line.size();
  if (context_.kind == ContextKind::kNone || buffer_.SelLength() != 0) return Close();
  auto rows = RowsFor(context_);
  if (rows.empty() || !list_) return Close();
  const QRect caret = host_.CaretRect();
  list_->Show(std::move(rows), QRect(host_.Editor().mapToGlobal(caret.topLeft()), caret.size()));
}

std::vector<const Candidate*> Completer::RowsFor(const CaretContext& context) {
  const Encoding encoding = buffer_.TextEncoding();
  const std::string typed = Utf8Of(context.prefix, encoding);
  const auto& list = words_->For(context.kind);
  std::vector<const Candidate*> rows;
  if (context.closesEnvironment) {
    const std::string text = buffer_.Text();
    const std::string open = completion::InnermostOpenEnvironment(
        std::string_view(text).substr(0, static_cast<std::size_t>(buffer_.SelStart())), encoding);
    closing_ = completion::Entry(Utf8Of(open, encoding));
    if (!open.empty() && closing_.word.starts_with(typed)) rows.push_back(&closing_);
  }
  for (int i : completion::Filter(list, typed, encoding)) {
    if (rows.empty() || list[i].word != rows.front()->word) rows.push_back(&list[i]);
  }
  return rows;
}

void Completer::Take(const Candidate& candidate) {
  const Encoding encoding = buffer_.TextEncoding();
  const completion::Taken taken = completion::TakenText(candidate, context_, host_.ByteAfterCaret() == '}');
  const auto before = codec::Encode(QString::fromStdString(taken.beforeCaret), encoding, codec::LineEnds::kAsIs);
  const auto after = codec::Encode(QString::fromStdString(taken.afterCaret), encoding, codec::LineEnds::kAsIs);
  Close();
  if (!before || !after) return;  // the filter offers only what the encoding holds
  const int start = static_cast<int>(lineStart_ + context_.wordStart);
  const int caret = buffer_.SelStart();
  buffer_.BeginUndoStep();
  buffer_.SetSelStart(start);
  buffer_.SetSelLength(caret - start + (taken.replacesClosingBrace ? 1 : 0));
  buffer_.SetSelText(*before + *after);
  buffer_.SetSelStart(start + static_cast<int>(before->size()));
  buffer_.EndUndoStep();
  justTaken_ = updatePending_;
}

bool Completer::TypedInFull() const {
  const Candidate* current = list_->Current();
  return current != nullptr && context_.kind == ContextKind::kCommand && current->pattern.empty() &&
         current->word == Utf8Of(context_.prefix, buffer_.TextEncoding());
}

bool Completer::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Space && modifiers == Qt::ControlModifier) {
    if (enabled_) Open();
    return enabled_;
  }
  if (updatePending_) Update();  // keys typed faster than the loop turns
  if (!ListShown() || modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
  if (list_->Move(key)) return true;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A word typed out in full ends its line as Enter always does.
      if (TypedInFull()) {
        Close();
        return false;
      }
      [[fallthrough]];
    case Qt::Key_Tab:
      if (const Candidate* current = list_->Current()) Take(*current);
      return true;
    case Qt::Key_Escape:
      Close();
      return true;
    default:
      return false;
  }
}

bool Completer::eventFilter(QObject* watched, QEvent* event) {
  if (list_ && watched == editor_) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      return HandleKey(key->key(), key->modifiers());
    }
    // A click on the list itself may take the focus first; the click takes.
    const bool focusGone = event->type() == QEvent::FocusOut && !list_->underMouse();
    if (focusGone || event->type() == QEvent::Hide) Close();
  }
  return false;
}

}  // namespace zumoku
