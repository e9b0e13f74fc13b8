#pragma once
// Text with a selection, as the user leaves it before choosing a command.
#include <string>

#include "buffer/edit_buffer.h"
#include "buffer/text_buffer.h"

namespace zumoku::test {

// Makes the buffer's text before + selection + after, unmodified, with the
// selection selected.
inline void SetTextAndSelection(EditBuffer& buffer, const std::string& before, const std::string& selection,
                                const std::string& after = "") {
  buffer.Clear();
  buffer.SetSelText(before + selection + after);
  buffer.SetModified(false);
  buffer.SetSelStart(static_cast<int>(before.size()));
  buffer.SetSelLength(static_cast<int>(selection.size()));
}

// A reference buffer set up so; by default the selection stands between "<"
// and ">", so a test sees both what a command wrote and what it left.
struct SelectedText {
  SelectedText(const std::string& before, const std::string& selection, const std::string& after = "")
      : before(before), after(after) {
    SetTextAndSelection(buffer, before, selection, after);
  }
  explicit SelectedText(const std::string& selection) : SelectedText("<", selection, ">") {}

  // The text between `before` and `after`.
  std::string Inside() const {
    const std::string text = buffer.Text();
    return text.substr(before.size(), text.size() - before.size() - after.size());
  }

  const std::string before, after;
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
};

}  // namespace zumoku::test
