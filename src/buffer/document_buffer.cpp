#include "buffer/document_buffer.h"

#include <algorithm>
#include <cstring>

#include "encoding/char_positions.h"
#include "encoding/line_ends.h"

namespace zumoku {

namespace {
// True when every line end is CR LF already, so loading changes nothing:
// as many CRs as LFs, and a CR before each LF.
bool HasOnlyCrLf(std::string_view bytes) {
  if (std::count(bytes.begin(), bytes.end(), '\r') != std::count(bytes.begin(), bytes.end(), '\n')) return false;
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos; at = bytes.find('\n', at + 1)) {
    if (at == 0 || bytes[at - 1] != '\r') return false;
  }
  return true;
}

// The notice counts line ends, the index the lines an edit touched: one more
// on each side.
TextChange ChangeOf(LineIndex::Change lines, std::size_t at, std::size_t removed, std::size_t added) {
  return {lines.first,          lines.removed - 1,         lines.added - 1,
          static_cast<int>(at), static_cast<int>(removed), static_cast<int>(added)};
}
}  // namespace

std::size_t DocumentBuffer::FloorToChar(std::size_t offset) {
  const int line = lines_.LineOf(offset);
  const std::size_t from = lines_.Start(line);
  return from + FloorToCharBoundary(bytes_.Contiguous(from, lines_.Next(line)), offset - from, encoding_);
}

std::size_t DocumentBuffer::CeilToChar(std::size_t offset) {
  const int line = lines_.LineOf(offset);
  const std::size_t from = lines_.Start(line);
  return from + CeilToCharBoundary(bytes_.Contiguous(from, lines_.Next(line)), offset - from, encoding_);
}

void DocumentBuffer::SetSelStart(int position) {
  const auto clamped = static_cast<std::size_t>(std::clamp<long long>(position, 0, Size()));
  Select(FloorToChar(clamped), 0);
}

void DocumentBuffer::SetSelLength(int length) {
  const auto room = static_cast<long long>(Size() - selection_.start);
  const auto end = selection_.start + static_cast<std::size_t>(std::clamp<long long>(length, 0, room));
  Select(selection_.start, CeilToChar(end) - selection_.start);
}

std::string DocumentBuffer::SelText() const {
  return bytes_.Copy(selection_.start, selection_.start + selection_.length);
}

void DocumentBuffer::Select(std::size_t start, std::size_t length) {
  if (start != selection_.start || length != selection_.length) undo_.EndTypingRun();
  selection_ = {start, length};
}

void DocumentBuffer::Replace(std::size_t at, std::size_t length, std::string_view bytes) {
  NotifyReplacing(at, length);
  const LineIndex::Change lines = lines_.Replace(at, length, bytes);
  bytes_.Replace(at, length, bytes);
  ++revision_;
  // A trail byte right after the edit can join the edit's last byte into one
  // character: the caret then stands after that character.
  selection_ = {CeilToChar(at + bytes.size()), 0};
  Notify(ChangeOf(lines, at, length, bytes.size()));
}

void DocumentBuffer::CommandEdit(std::size_t at, std::size_t length, std::string_view s) {
  std::string bytes = NormalizeInsertedLineEnds(s);
  undo_.RecordCommand({at, bytes_.Copy(at, at + length), bytes}, selection_);
  Replace(at, length, bytes);
}

void DocumentBuffer::UserEdit(const std::string& normalized) {
  undo_.RecordUserEdit({selection_.start, SelText(), normalized}, selection_);
  Replace(selection_.start, selection_.length, normalized);
}

void DocumentBuffer::SetSelText(std::string_view s) { CommandEdit(selection_.start, selection_.length, s); }

void DocumentBuffer::Type(std::string_view s) {
  const std::string bytes = NormalizeInsertedLineEnds(s);
  undo_.RecordTyping({selection_.start, SelText(), bytes}, selection_, bytes.find(kLineEnd) != std::string::npos);
  Replace(selection_.start, selection_.length, bytes);
}

void DocumentBuffer::Notify(const TextChange& change) const {
  for (const auto& listener : listeners_) listener(change);
}

void DocumentBuffer::NotifyReplacing(std::size_t at, std::size_t length) const {
  for (const auto& listener : replacingListeners_) listener(at, length);
}

void DocumentBuffer::Reset(std::string bytes) {
  NotifyReplacing(0, Size());
  const int linesBefore = lines_.Count();
  const std::size_t sizeBefore = Size();
  bytes_.Assign(std::move(bytes));
  lines_.Build(bytes_.Spans(0, Size()));
  selection_ = {};
  ++revision_;
  Notify(ChangeOf({0, linesBefore, lines_.Count()}, 0, sizeBefore, Size()));
}

// The history starts afresh first: the listeners hear of the new text with
// the history that goes with it.
void DocumentBuffer::Clear() {
  undo_.StartFresh(true);
  Reset({});
}

void DocumentBuffer::Load(std::string_view bytes, Encoding encoding) {
  encoding_ = encoding;
  undo_.StartFresh(false);  // the caller says whether the text is saved
  Reset(NormalizeLoadedLineEnds(bytes));
}

void DocumentBuffer::LoadOwned(std::string bytes, Encoding encoding) {
  if (!HasOnlyCrLf(bytes)) return Load(bytes, encoding);
  encoding_ = encoding;
  undo_.StartFresh(false);
  Reset(std::move(bytes));
}

void DocumentBuffer::Undo() {
  const UndoLog::Step* step = undo_.TakeNewest();
  if (!step) return;
  for (auto edit = step->edits.rbegin(); edit != step->edits.rend(); ++edit) {
    Replace(edit->at, edit->inserted.size(), edit->removed);
  }
  selection_ = step->before;
}

void DocumentBuffer::Redo() {
  const UndoLog::Step* step = undo_.TakeUndone();
  if (!step) return;
  for (const UndoLog::Edit& edit : step->edits) Replace(edit.at, edit.removed.size(), edit.inserted);
}

void DocumentBuffer::CutToClipboard() {
  if (selection_.length == 0) return;
  clipboard_.SetText(SelText());
  UserEdit("");
}

void DocumentBuffer::CopyToClipboard() {
  if (selection_.length > 0) clipboard_.SetText(SelText());
}

void DocumentBuffer::PasteFromClipboard() {
  if (const auto text = clipboard_.Text()) UserEdit(NormalizeInsertedLineEnds(*text));
}

void DocumentBuffer::SelectAll() { Select(0, Size()); }

bool DocumentBuffer::LineRange(int index, std::size_t& begin, std::size_t& end) const {
  if (index < 0 || index >= Count()) return false;
  begin = lines_.Start(index);
  end = index + 1 < lines_.Count() ? lines_.Next(index) - kLineEnd.size() : Size();
  return true;
}

int DocumentBuffer::Count() const {
  const int last = lines_.Count() - 1;
  return lines_.Start(last) == Size() ? last : last + 1;
}

std::string DocumentBuffer::Get(int index) const {
  std::size_t begin = 0, end = 0;
  return LineRange(index, begin, end) ? bytes_.Copy(begin, end) : std::string();
}

void DocumentBuffer::Put(int index, std::string_view s) {
  std::size_t begin = 0, end = 0;
  if (LineRange(index, begin, end)) CommandEdit(begin, end - begin, s);
}

void DocumentBuffer::Add(std::string_view s) {
  // The line and its line end are brought to CR LF together, so "a\r" adds
  // one line end, not two.
  const bool startsLine = Count() == lines_.Count() - 1;
  const std::string line(s);
  CommandEdit(Size(), 0, startsLine ? line + "\r\n" : "\r\n" + line);
}

}  // namespace zumoku
