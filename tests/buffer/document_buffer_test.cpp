// What DocumentBuffer has beyond the EditBuffer contract: the file's bytes
// taken over, and what it tells its listeners of each edit.
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
    EXPECT_TRUE(first[0] == row.notice) << row.name << ": line " << first[0].firstLine << " -" << first[0].linesRemoved
                                        << " +" << first[0].linesAdded << ", byte " << first[0].offset << " -"
                                        << first[0].bytesRemoved << " +" << first[0].bytesAdded;
    EXPECT_TRUE(second.size() == 1 && second[0] == first[0]) << row.name;
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
