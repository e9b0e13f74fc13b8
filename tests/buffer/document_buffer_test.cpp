// What DocumentBuffer has beyond the EditBuffer contract: the file's bytes
// taken over, and what it tells its listeners of each edit.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "buffer/document_buffer.h"
#include "text_change_print.h"

namespace zumoku::test {

// On "ab", "cd", "ef" (lines 0 to 2, CR LF between): what an edit tells,
// counting the line ends it took out and put in.
TEST(DocumentBufferNotice, EachEditSaysWhichLineEndsAndBytesChanged) {
  const auto replace = [](int at, int length, const char* text) {
    return [=](DocumentBuffer& buffer) {
      buffer.SetSelStart(at);
      buffer.SetSelLength(length);
      buffer.SetSelText(text);
    };
  };
  const struct {
    const char* name;
    std::function<void(DocumentBuffer&)> edit;
    TextChange notice;
  } rows[] = {
      {"insert at a line's start", replace(4, 0, "X"), {1, 0, 0, 4, 0, 1}},
      {"split a line", replace(5, 0, "\r\n"), {1, 0, 1, 5, 0, 2}},
      {"join two lines", replace(2, 2, ""), {0, 1, 0, 2, 2, 0}},
      {"replace across three lines", replace(1, 8, "Z"), {0, 2, 0, 1, 8, 1}},
      {"end the last line", replace(10, 0, "\r\n"), {2, 0, 1, 10, 0, 2}},
      {"load another text",
       [](DocumentBuffer& buffer) { buffer.Load("x\ny", Encoding::kShiftJis); },
       {0, 2, 1, 0, 10, 4}},
  };
  for (const auto& row : rows) {
    MemoryClipboard clipboard;
    DocumentBuffer buffer(clipboard);
    buffer.Load("ab\r\ncd\r\nef", Encoding::kShiftJis);
    std::vector<TextChange> first, second;
    buffer.AddChangeListener([&](const TextChange& notice) { first.push_back(notice); });
    buffer.AddChangeListener([&](const TextChange& notice) { second.push_back(notice); });
    row.edit(buffer);
    ASSERT_EQ(first.size(), 1u) << row.name;
    EXPECT_EQ(first[0], row.notice) << row.name;
    EXPECT_EQ(second, first) << row.name;
  }
}

// Taken over as they are only when every line end is CR LF already;
// otherwise by the loaded-text rule, as Load does.
TEST(DocumentBufferLoadOwned, KeepsOnlyTextWhoseLineEndsAreAllCrLf) {
  const struct {
    std::string file, stored;
    int lines;
  } rows[] = {
      {"a\r\nb\r\n", "a\r\nb\r\n", 2}, {"a\nb", "a\r\nb", 2},         {"a\rb", "a\r\nb", 2},
      {"\n\r", "\r\n\r\n", 2},         {"a\r\r\nb", "a\r\n\r\nb", 3}, {"\r\n\r", "\r\n\r\n", 2},
  };
  for (const auto& row : rows) {
    MemoryClipboard clipboard;
    DocumentBuffer buffer(clipboard);
    buffer.LoadOwned(row.file, Encoding::kShiftJis);
    EXPECT_EQ(buffer.Text(), row.stored);
    EXPECT_EQ(buffer.Lines().Count(), row.lines) << row.stored;
  }
}

}  // namespace zumoku::test
