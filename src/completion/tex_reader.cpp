#include "completion/tex_reader.h"

#include <algorithm>

namespace zumoku::completion {

namespace {
bool IsNameByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '@' || static_cast<unsigned char>(c) >= 0x80;
}
}  // namespace

bool IsPublicName(std::string_view name) { return !name.empty() && name.find('@') == std::string_view::npos; }

std::optional<std::string_view> TexReader::NextControlWord() {
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (c == '%') {
      const std::size_t lineEnd = text_.find('\n', at_);
      at_ = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
      continue;
    }
    if (c != '\\') {
      ++at_;
      continue;
    }
    std::size_t end = at_ + 1;
    while (end < text_.size() && IsNameByte(text_[end])) ++end;
    if (end == at_ + 1) {  // a control symbol: \\, \%, \{
      at_ = std::min(text_.size(), at_ + 2);
      continue;
    }
    wordStart_ = at_;
    const std::string_view name = text_.substr(at_ + 1, end - at_ - 1);
    at_ = end;
    return name;
  }
  return std::nullopt;
}

std::optional<std::string_view> TexReader::ControlWordHere() {
  SkipSpaces();
  if (at_ >= text_.size() || text_[at_] != '\\') return std::nullopt;
  std::size_t end = at_ + 1;
  while (end < text_.size() && IsNameByte(text_[end])) ++end;
  if (end == at_ + 1) return std::nullopt;
  const std::string_view name = text_.substr(at_ + 1, end - at_ - 1);
  at_ = end;
  return name;
}

bool TexReader::Star() {
  SkipSpaces();
  if (at_ >= text_.size() || text_[at_] != '*') return false;
  ++at_;
  return true;
}

void TexReader::SkipSpaces() {
  while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
    ++at_;
  }
}

std::optional<std::string_view> TexReader::Delimited(char open, char close) {
  const std::size_t start = at_;
  SkipSpaces();
  if (at_ >= text_.size() || text_[at_] != open) {
    at_ = start;
    return std::nullopt;
  }
  const std::size_t limit = std::min(text_.size(), at_ + kMaxGroup);
  int depth = 0;
  for (std::size_t i = at_; i < limit; ++i) {
    const char c = text_[i];
    if (c == '\\') {
      ++i;
    } else if (c == open) {
      ++depth;
    } else if (c == close && --depth == 0) {
      const std::string_view contents = text_.substr(at_ + 1, i - at_ - 1);
      at_ = i + 1;
      return contents;
    }
  }
  at_ = start;
  return std::nullopt;
}

int TexReader::Line() {
  line_ += static_cast<int>(std::count(text_.begin() + countedTo_, text_.begin() + wordStart_, '\n'));
  countedTo_ = wordStart_;
  return line_;
}

std::string_view TexReader::LineText(std::size_t at) const {
  const std::size_t lineEnd = text_.find('\n', at);
  const std::size_t previous = text_.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t start = previous == std::string_view::npos || at == 0 ? 0 : previous + 1;
  return text_.substr(start, (lineEnd == std::string_view::npos ? text_.size() : lineEnd) - start);
}

}  // namespace zumoku::completion
