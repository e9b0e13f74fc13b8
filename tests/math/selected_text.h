#pragma once
// A TextBuffer holding before + selection + after, with the selection set.
#include <string>

#include "buffer/text_buffer.h"

namespace zumoku::test {

struct Document {
  Document(const std::string& before, const std::string& selection, const std::string& after = "") {
    buffer.SetSelText(before + selection + after);
    buffer.SetSelStart(static_cast<int>(before.size()));
    buffer.SetSelLength(static_cast<int>(selection.size()));
  }
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
};

}  // namespace zumoku::test
