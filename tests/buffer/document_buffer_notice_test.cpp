// What DocumentBuffer tells its listeners of each edit, by lines and bytes.
#include <gtest/gtest.h>

#include <vector>

#include "buffer/document_buffer.h"

namespace zumoku::test {

namespace {
bool operator==(const ChangeNotice& a, const ChangeNotice& b) {
  return a.firstLine == b.firstLine && a.linesRemoved == b.linesRemoved && a.linesAdded == b.linesAdded &&
         a.offset == b.offset && a.bytesRemoved == b.bytesRemoved && a.bytesAdded == b.bytesAdded;
}
}  // namespace

// On "ab", "cd", "ef" (lines 0 to 2, CR LF between): the selection
// [at, at + length) replaced by `text`.
TEST(DocumentBufferNotice, EachEditSaysWhichLinesAndBytesChanged) {
  const struct {
    const char* name;
    int at, length;
    const char* text;
    ChangeNotice notice;
  } rows[] = {
      {"insert at a line's start", 4, 0, "X", {1, 1, 1, 4, 0, 1}},
      {"split a line", 5, 0, "\r\n", {1, 1, 2, 5, 0, 2}},
      {"join two lines", 2, 2, "", {0, 2, 1, 2, 2, 0}},
      {"replace across three lines", 1, 8, "Z", {0, 3, 1, 1, 8, 1}},
      {"end the last line", 10, 0, "\r\n", {2, 1, 2, 10, 0, 2}},
  };
  for (const auto& row : rows) {
    MemoryClipboard clipboard;
    DocumentBuffer buffer(clipboard);
    buffer.Load("ab\r\ncd\r\nef", Encoding::kShiftJis);
    std::vector<ChangeNotice> first, second;
    buffer.AddChangeListener([&](const ChangeNotice& notice) { first.push_back(notice); });
    buffer.AddChangeListener([&](const ChangeNotice& notice) { second.push_back(notice); });
    buffer.SetSelStart(row.at);
    buffer.SetSelLength(row.length);
    buffer.SetSelText(row.text);
    ASSERT_EQ(first.size(), 1u) << row.name;
    EXPECT_TRUE(first[0] == row.notice) << row.name << ": line " << first[0].firstLine << " -"
                                        << first[0].linesRemoved << " +" << first[0].linesAdded << ", byte "
                                        << first[0].offset << " -" << first[0].bytesRemoved << " +"
                                        << first[0].bytesAdded;
    EXPECT_TRUE(second.size() == 1 && second[0] == first[0]) << row.name;
  }
}

}  // namespace zumoku::test
