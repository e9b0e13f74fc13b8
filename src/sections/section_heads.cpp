#include "sections/section_heads.h"

#include "encoding/char_positions.h"

namespace zumoku::sections {

namespace {
constexpr std::string_view kHead = "\\section{";
constexpr char kClose = '}';
constexpr auto kNone = std::string_view::npos;

// The head name's closing brace on a character boundary, walked to rather
// than searched for: a name is a few characters long.
std::size_t NameEnd(std::string_view text, std::size_t name, Encoding encoding) {
  for (std::size_t at = name; at < text.size(); at += CharLengthAt(text, at, encoding)) {
    if (text[at] == kClose) return at;
  }
  return kNone;
}
}  // namespace

std::vector<std::string> ScanSections(EditBuffer& buffer) {
  const int caret = buffer.SelStart();
  std::vector<std::string> names;
  for (SectionHead& head : SectionHeads(buffer.Text(), buffer.TextEncoding())) names.push_back(std::move(head.name));
  buffer.SetSelStart(caret);
  return names;
}

std::vector<SectionHead> SectionHeads(std::string_view text, Encoding encoding) {
  std::vector<SectionHead> heads;
  bool closeLeft = true;  // once no "}" follows a head, none follows a later one
  for (auto head = CharFind(kHead, text, 0, encoding); head != kNone;) {
    const std::size_t name = head + kHead.size();
    const std::size_t close = closeLeft ? NameEnd(text, name, encoding) : kNone;
    closeLeft = close != kNone;
    heads.push_back({closeLeft ? std::string(text.substr(name, close - name)) : std::string(), head});
    head = CharFind(kHead, text, closeLeft ? close + 1 : name, encoding);
  }
  return heads;
}

bool JumpToSection(EditBuffer& buffer, std::string_view name, int nth) {
  const std::string head = std::string(kHead) + std::string(name) + kClose;
  const std::string text = buffer.Text();
  const Encoding encoding = buffer.TextEncoding();
  std::size_t at = kNone;
  for (auto found = CharFind(head, text, 0, encoding); found != kNone && nth-- >= 0;
       found = CharFind(head, text, found + head.size(), encoding)) {
    at = found;
  }
  if (at == kNone) return false;
  buffer.SetSelStart(static_cast<int>(at));
  buffer.SetSelLength(static_cast<int>(head.size()));
  return true;
}

}  // namespace zumoku::sections
