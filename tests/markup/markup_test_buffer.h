#pragma once
// A TextBuffer holding "<" + selection + ">" with the selection selected, so
// a command's test sees both what it wrote and what it left around it.
#include <string>

#include "buffer/text_buffer.h"

namespace zumoku::test {

class SelectionBuffer {
 public:
  explicit SelectionBuffer(const std::string& selection) : buffer_(clipboard_) {
    buffer_.SetSelText("<" + selection + ">");
    buffer_.SetModified(false);
    buffer_.SetSelStart(1);
    buffer_.SetSelLength(static_cast<int>(selection.size()));
  }
  TextBuffer& operator*() { return buffer_; }
  TextBuffer* operator->() { return &buffer_; }
  // The text between the two markers.
  std::string Inside() const {
    const std::string text = buffer_.Text();
    return text.substr(1, text.size() - 2);
  }

 private:
  MemoryClipboard clipboard_;
  TextBuffer buffer_;
};

}  // namespace zumoku::test
