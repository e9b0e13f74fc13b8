#pragma once
// The edit rules in their plainest form, the oracle of the contract suite's
// random edits: one byte string, character boundaries found by walking the
// text from its start, line ends rewritten byte by byte, lines split afresh
// for each write, and Undo a stack of whole copies. It shares no edit code
// with the buffers it checks, so it can disagree with either of them.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::test {

class EditModel {
 public:
  explicit EditModel(Encoding encoding = Encoding::kShiftJis) : encoding_(encoding) {}

  const std::string& Text() const { return text_; }
  int SelStart() const { return start_; }
  int SelLength() const { return length_; }
  std::string SelText() const { return text_.substr(start_, length_); }
  int LineCount() const { return static_cast<int>(SplitLines().size()); }

  // SetSelStart then SetSelLength.
  void Select(int start, int length) {
    const int size = static_cast<int>(text_.size());
    const int newStart = Floor(std::clamp(start, 0, size));
    const int newLength = Ceil(newStart + std::clamp(length, 0, size - newStart)) - newStart;
    if (newStart != start_ || newLength != length_) typingRun_ = false;
    start_ = newStart;
    length_ = newLength;
  }
  void Load(std::string_view bytes) {
    text_ = CrLf(bytes, false);
    start_ = length_ = 0;
    FreshHistory();
  }
  // A command's write: the undo history starts afresh.
  void SetSelText(std::string_view s) { CommandWrite(start_, length_, s); }
  void PutLine(int index, std::string_view s) {
    const std::vector<std::string> lines = SplitLines();
    if (index < 0 || index >= static_cast<int>(lines.size())) return;
    int begin = 0;
    for (int line = 0; line < index; ++line) begin += static_cast<int>(lines[line].size()) + 2;
    CommandWrite(begin, static_cast<int>(lines[index].size()), s);
  }
  void AddLine(std::string_view s) {
    const bool startsLine = text_.empty() || text_.ends_with("\r\n");
    CommandWrite(static_cast<int>(text_.size()), 0, startsLine ? std::string(s) + "\r\n" : "\r\n" + std::string(s));
  }
  // Keys typed one after another over the caret make one step, up to a line end.
  void Type(std::string_view s) {
    const std::string bytes = CrLf(s, true);
    if (!typingRun_) undo_.push_back({text_, start_, length_});
    Write(start_, length_, bytes);
    typingRun_ = bytes.find("\r\n") == std::string::npos;
  }
  void Paste(std::string_view clipboard) { UserWrite(CrLf(clipboard, true)); }
  void Cut() {
    if (length_ > 0) UserWrite("");
  }
  void Undo() {
    if (undo_.empty()) return;
    text_ = undo_.back().text;
    start_ = undo_.back().start;
    length_ = undo_.back().length;
    undo_.pop_back();
    typingRun_ = false;
  }

 private:
  struct Copy {
    std::string text;
    int start, length;
  };

  // CR LF, a lone CR and a lone LF are one line end each; in inserted text
  // (not loaded) so is CR CR LF. The line end's length, 0 when none is at `at`.
  static std::size_t LineEndAt(std::string_view s, std::size_t at, bool inserted) {
    if (inserted && s.substr(at, 3) == "\r\r\n") return 3;
    if (s.substr(at, 2) == "\r\n") return 2;
    return s[at] == '\r' || s[at] == '\n' ? 1 : 0;
  }
  static std::string CrLf(std::string_view s, bool inserted) {
    std::string out;
    for (std::size_t at = 0; at < s.size();) {
      if (const std::size_t lineEnd = LineEndAt(s, at, inserted); lineEnd > 0) {
        out += "\r\n";
        at += lineEnd;
      } else {
        out += s[at++];
      }
    }
    return out;
  }
  // The lines between the CR LFs; text after the last one is a line when
  // there is any.
  std::vector<std::string> SplitLines() const {
    std::vector<std::string> lines(1);
    for (std::size_t at = 0; at < text_.size(); ++at) {
      if (text_.compare(at, 2, "\r\n") == 0) {
        lines.emplace_back();
        ++at;
      } else {
        lines.back() += text_[at];
      }
    }
    if (lines.back().empty()) lines.pop_back();
    return lines;
  }
  // Every character boundary, from the start: CR LF is one character, and so
  // is a Shift_JIS lead byte with a trail byte after it, or a well-formed
  // UTF-8 sequence.
  std::vector<int> Boundaries() const {
    std::vector<int> at{0};
    for (std::size_t i = 0; i < text_.size(); i = at.back()) {
      const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text_[k]); };
      if (encoding_ == Encoding::kUtf8 && text_.compare(i, 2, "\r\n") != 0) {
        at.push_back(static_cast<int>(i + Utf8CharLengthAt(text_, i)));
        continue;
      }
      const bool pair =
          text_.compare(i, 2, "\r\n") == 0 || (IsLeadByte(byte(i)) && i + 1 < text_.size() && IsTrailByte(byte(i + 1)));
      at.push_back(static_cast<int>(i) + (pair ? 2 : 1));
    }
    return at;
  }
  int Floor(int offset) const {
    const std::vector<int> at = Boundaries();
    return *std::prev(std::upper_bound(at.begin(), at.end(), offset));
  }
  int Ceil(int offset) const {
    const std::vector<int> at = Boundaries();
    return *std::lower_bound(at.begin(), at.end(), offset);
  }

  // The caret stands after the written bytes, or after the character that
  // the last of them starts with the text behind it.
  void Write(int at, int length, const std::string& bytes) {
    text_.replace(at, length, bytes);
    start_ = Ceil(at + static_cast<int>(bytes.size()));
    length_ = 0;
  }
  void CommandWrite(int at, int length, std::string_view s) {
    FreshHistory();
    Write(at, length, CrLf(s, true));
  }
  void UserWrite(const std::string& bytes) {
    undo_.push_back({text_, start_, length_});
    typingRun_ = false;
    Write(start_, length_, bytes);
  }
  void FreshHistory() {
    undo_.clear();
    typingRun_ = false;
  }

  Encoding encoding_;
  std::string text_;
  int start_ = 0;
  int length_ = 0;
  std::vector<Copy> undo_;
  bool typingRun_ = false;
};

}  // namespace zumoku::test
