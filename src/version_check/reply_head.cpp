#include "version_check/reply_head.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace zumoku::about {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view NextField(std::string_view& text) {
  text = Trimmed(text);
  const auto end = std::find_if(text.begin(), text.end(), IsBlank);
  const std::string_view field(text.begin(), end);
  text.remove_prefix(field.size());
  return field;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && std::ranges::equal(text.substr(0, prefix.size()), prefix, [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}
}  // namespace

std::string_view ReplyHead::Take(std::string_view bytes) {
  if (ended_) return bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    head_ += bytes[i];
    if (bytes[i] != '\n') continue;
    const std::string_view line = std::string_view(head_).substr(lineStart_);
    const bool statusLine = lineStart_ == 0;
    lineStart_ = head_.size();
    if (!statusLine && (line == "\n" || line == "\r\n")) {
      ended_ = true;
      return bytes.substr(i + 1);
    }
  }
  return {};
}

int ReplyHead::StatusCode() const {
  std::string_view statusLine = std::string_view(head_).substr(0, head_.find('\n'));
  NextField(statusLine);
  const std::string_view field = NextField(statusLine);
  int code = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), code);
  return (error == std::errc() && end == field.data() + field.size()) ? code : 0;
}

std::string ReplyHead::Location() const {
  constexpr std::string_view kName = "location:";
  std::string_view rest = head_;
  for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
    rest.remove_prefix(end + 1);
    if (StartsWithIgnoringCase(rest, kName)) {
      return std::string(Trimmed(rest.substr(kName.size(), rest.find('\n') - kName.size())));
    }
  }
  return {};
}

}  // namespace zumoku::about
