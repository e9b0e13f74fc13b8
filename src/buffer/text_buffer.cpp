#include "buffer/text_buffer.h"

#include <algorithm>
#include <utility>

#include "encoding/char_positions.h"
#include "encoding/line_ends.h"

namespace zumoku {

void TextBuffer::SetSelStart(int position) {
  const auto clamped = static_cast<std::size_t>(std::clamp<long long>(position, 0, text_.size()));
  Select(FloorToCharBoundary(text_, clamped, encoding_), 0);
}

void TextBuffer::SetSelLength(int length) {
  const auto room = static_cast<long long>(text_.size() - selStart_);
  const auto end = selStart_ + static_cast<std::size_t>(std::clamp<long long>(length, 0, room));
  Select(selStart_, CeilToCharBoundary(text_, end, encoding_) - selStart_);
}

void TextBuffer::Select(std::size_t start, std::size_t length) {
  if (start != selStart_ || length != selLength_) typingRun_ = false;
  selStart_ = start;
  selLength_ = length;
}

void TextBuffer::Replace(std::size_t at, std::size_t length, std::string_view bytes) {
  text_.replace(at, length, bytes);
  // A trail byte right after the edit can join the edit's last byte into one
  // character: the caret then stands after that character.
  selStart_ = CeilToCharBoundary(text_, at + bytes.size(), encoding_);
  selLength_ = 0;
  typingRun_ = false;
}

void TextBuffer::CommandEdit(std::size_t at, std::size_t length, std::string_view s) {
  const std::string bytes = NormalizeInsertedLineEnds(s);
  if (stepDepth_ == 0 || freshHistory_) {
    undo_.clear();
    cleanDepth_.reset();
  } else {
    if (!std::exchange(stepWritten_, true)) PushStep({{}, selStart_, selLength_});
    GrowNewestStep({at, text_.substr(at, length), bytes});
  }
  Replace(at, length, bytes);
}

bool TextBuffer::EndUndoStep() {
  if (stepDepth_ == 0 || --stepDepth_ > 0) return false;
  freshHistory_ = false;
  return std::exchange(stepWritten_, false);
}

void TextBuffer::PushStep(Step step) {
  if (cleanDepth_ > undo_.size()) cleanDepth_.reset();
  undo_.push_back(std::move(step));
}

void TextBuffer::GrowNewestStep(Edit edit) {
  if (cleanDepth_ == undo_.size() && !undo_.back().edits.empty()) cleanDepth_.reset();
  undo_.back().edits.push_back(std::move(edit));
}

void TextBuffer::SetModified(bool modified) {
  typingRun_ = false;  // typing after a save is a step of its own
  cleanDepth_ = modified ? std::nullopt : std::optional(undo_.size());
}

void TextBuffer::UserEdit(std::string_view normalized) {
  PushStep({{{selStart_, SelText(), std::string(normalized)}}, selStart_, selLength_});
  Replace(selStart_, selLength_, normalized);
}

void TextBuffer::SetSelText(std::string_view s) { CommandEdit(selStart_, selLength_, s); }

void TextBuffer::Clear() {
  text_.clear();
  selStart_ = selLength_ = 0;
  StartFreshHistory();
  cleanDepth_ = 0;
}

void TextBuffer::Load(std::string_view bytes, Encoding encoding) {
  encoding_ = encoding;
  text_ = NormalizeLoadedLineEnds(bytes);
  selStart_ = selLength_ = 0;
  StartFreshHistory();
  cleanDepth_.reset();  // the caller says whether the text is saved
}

void TextBuffer::StartFreshHistory() {
  undo_.clear();
  stepWritten_ = false;
  freshHistory_ = stepDepth_ > 0;
  typingRun_ = false;
}

void TextBuffer::Undo() {
  if (undo_.empty()) return;
  const Step step = std::move(undo_.back());
  undo_.pop_back();
  for (auto edit = step.edits.rbegin(); edit != step.edits.rend(); ++edit) {
    Replace(edit->at, edit->inserted.size(), edit->removed);
  }
  selStart_ = step.selStart;
  selLength_ = step.selLength;
}

void TextBuffer::Type(std::string_view s) {
  const std::string bytes = NormalizeInsertedLineEnds(s);
  if (typingRun_) {
    // Nothing moved since the run's last insertion: the caret stands at its end.
    GrowNewestStep({selStart_, "", bytes});
    Replace(selStart_, 0, bytes);
  } else {
    UserEdit(bytes);
  }
  typingRun_ = bytes.find("\r\n") == std::string::npos;
}

void TextBuffer::CutToClipboard() {
  if (selLength_ == 0) return;
  clipboard_.SetText(SelText());
  UserEdit("");
}

void TextBuffer::CopyToClipboard() {
  if (selLength_ > 0) clipboard_.SetText(SelText());
}

void TextBuffer::PasteFromClipboard() {
  if (const auto text = clipboard_.Text()) UserEdit(NormalizeInsertedLineEnds(*text));
}

void TextBuffer::SelectAll() { Select(0, text_.size()); }

bool TextBuffer::LineRange(int index, std::size_t& begin, std::size_t& end) const {
  if (index < 0) return false;
  begin = 0;
  for (int line = 0; line < index; ++line) {
    const auto lineEnd = text_.find("\r\n", begin);
    if (lineEnd == std::string::npos) return false;
    begin = lineEnd + 2;
  }
  if (begin >= text_.size()) return false;
  end = std::min(text_.find("\r\n", begin), text_.size());
  return true;
}

int TextBuffer::Count() const {
  int count = 0;
  for (auto at = text_.find("\r\n"); at != std::string::npos; at = text_.find("\r\n", at + 2)) {
    ++count;
  }
  const bool unterminatedLast = !text_.empty() && !text_.ends_with("\r\n");
  return count + (unterminatedLast ? 1 : 0);
}

std::string TextBuffer::Get(int index) const {
  std::size_t begin = 0, end = 0;
  return LineRange(index, begin, end) ? text_.substr(begin, end - begin) : std::string();
}

void TextBuffer::Put(int index, std::string_view s) {
  std::size_t begin = 0, end = 0;
  if (LineRange(index, begin, end)) CommandEdit(begin, end - begin, s);
}

void TextBuffer::Add(std::string_view s) {
  // The line and its line end are brought to CR LF together, so "a\r" adds
  // one line end, not two.
  const bool startsLine = text_.empty() || text_.ends_with("\r\n");
  const std::string line(s);
  CommandEdit(text_.size(), 0, startsLine ? line + "\r\n" : "\r\n" + line);
}

}  // namespace zumoku
