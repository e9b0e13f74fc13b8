// memo1's change notice: each change the document reports, told once in
// lines and stored bytes, with the position index already counting it.
#include <gtest/gtest.h>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "row_name.h"
#include "text_change_print.h"

namespace zumoku::test {
namespace {

// 表 and 漢, raw.
const std::string kSjisHyo = "\x95\x5C", kSjisKan = "\x8A\xBF";
const std::string kUtf8Hyo = "\xE8\xA1\xA8", kUtf8Kan = "\xE6\xBC\xA2";

struct Told {
  TextChange change;
  std::string text;  // as the subscriber reads it
  int indexedBytes;  // the index's offset of the text's end, then
};

struct NoticeRow {
  const char* name;
  Encoding encoding;
  std::string text;
  std::function<void(Memo&, MemoBuffer&)> edit;
  TextChange last;  // the last notice the edit brings
};

void PrintTo(const NoticeRow& row, std::ostream* out) { *out << row.name; }

void Select(MemoBuffer& buffer, int start, int length) {
  buffer.SetSelStart(start);
  buffer.SetSelLength(length);
}

class ChangeNotice : public ::testing::TestWithParam<NoticeRow> {};

TEST_P(ChangeNotice, TellsTheChangeInLinesAndBytesOnceTheIndexCountsIt) {
  const NoticeRow& row = GetParam();
  Memo memo;
  MemoBuffer buffer(memo);
  buffer.Load(row.text, row.encoding);
  std::vector<Told> told;
  QObject::connect(&memo, &Memo::changed, [&](const TextChange& change) {
    const int end = memo.document()->characterCount() - 1;
    told.push_back({change, buffer.Text(), memo.Positions().ByteOffset(end)});
  });
  row.edit(memo, buffer);
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back().change, row.last);
  // Each notice turns the text before it into the text after it, line ends counted.
  std::string before = row.text;
  for (const auto& [change, after, indexedBytes] : told) {
    EXPECT_EQ(indexedBytes, static_cast<int>(after.size())) << "the index counts the change before it is told";
    const auto lineEnds = [](const std::string& s, int from, int length) {
      int count = 0;
      for (int i = from; i + 1 < from + length; ++i) count += s.compare(i, 2, "\r\n") == 0;
      return count;
    };
    const std::string kept = before.substr(0, change.byteOffset);
    EXPECT_EQ(kept + after.substr(change.byteOffset, change.bytesAdded) +
                  before.substr(change.byteOffset + change.bytesRemoved),
              after);
    EXPECT_EQ(change.firstLine, lineEnds(kept, 0, change.byteOffset));
    EXPECT_EQ(change.linesRemoved, lineEnds(before, change.byteOffset, change.bytesRemoved));
    EXPECT_EQ(change.linesAdded, lineEnds(after, change.byteOffset, change.bytesAdded));
    before = after;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ChangeNotice,
    ::testing::Values(NoticeRow{"TypedInsideALine",
                                Encoding::kShiftJis,
                                "ab\r\n" + kSjisHyo + "c",
                                [](Memo& memo, MemoBuffer& buffer) {
                                  Select(buffer, 6, 0);
                                  memo.insertPlainText(QStringLiteral("漢"));
                                },
                                {.firstLine = 1, .byteOffset = 6, .bytesAdded = 2}},
                      NoticeRow{"TypedInsideALineUtf8",
                                Encoding::kUtf8,
                                "ab\r\n" + kUtf8Hyo + "c",
                                [](Memo& memo, MemoBuffer& buffer) {
                                  Select(buffer, 7, 0);
                                  memo.insertPlainText(QStringLiteral("漢"));
                                },
                                {.firstLine = 1, .byteOffset = 7, .bytesAdded = 3}},
                      NoticeRow{"InsertWithLineEnds",
                                Encoding::kShiftJis,
                                "ab\r\ncd",
                                [](Memo&, MemoBuffer& buffer) {
                                  Select(buffer, 1, 0);
                                  buffer.SetSelText("1\r\n" + kSjisKan + "\r\n3");
                                },
                                {.linesAdded = 2, .byteOffset = 1, .bytesAdded = 8}},
                      NoticeRow{"DeleteAcrossLinesUtf8",
                                Encoding::kUtf8,
                                "ab\r\n" + kUtf8Hyo + "\r\ncd",
                                [](Memo&, MemoBuffer& buffer) {
                                  Select(buffer, 1, 9);
                                  buffer.SetSelText("");
                                },
                                {.linesRemoved = 2, .byteOffset = 1, .bytesRemoved = 9}},
                      // Replace all: one selection replaced inside a command's undo step,
                      // whose positions the command reads between its writes.
                      NoticeRow{"ReplaceInOneStep",
                                Encoding::kShiftJis,
                                "a" + kSjisHyo + "\r\na" + kSjisHyo + "\r\na",
                                [](Memo&, MemoBuffer& buffer) {
                                  buffer.BeginUndoStep();
                                  Select(buffer, 1, 7);
                                  buffer.SetSelText(kSjisKan + "x\r\n");
                                  Select(buffer, 0, 1);
                                  buffer.SetSelText("yy");
                                  buffer.EndUndoStep();
                                },
                                {.linesRemoved = 1, .linesAdded = 1, .bytesRemoved = 8, .bytesAdded = 7}},
                      NoticeRow{"Undo",
                                Encoding::kShiftJis,
                                "ab\r\ncd",
                                [](Memo& memo, MemoBuffer& buffer) {
                                  Select(buffer, 4, 0);
                                  memo.AsOneStep([&] { memo.insertPlainText(QStringLiteral("表\n")); });
                                  buffer.Undo();
                                },
                                {.firstLine = 1, .linesRemoved = 1, .byteOffset = 4, .bytesRemoved = 4}},
                      NoticeRow{"LoadAnother",
                                Encoding::kShiftJis,
                                "ab\r\ncd\r\n",
                                [](Memo&, MemoBuffer& buffer) { buffer.Load(kUtf8Kan + "\r\nz", Encoding::kUtf8); },
                                {.linesAdded = 1, .bytesAdded = 6}},
                      NoticeRow{"Clear",
                                Encoding::kShiftJis,
                                kSjisHyo + "\r\ncd",
                                [](Memo&, MemoBuffer& buffer) { buffer.Clear(); },
                                {.linesRemoved = 1, .bytesRemoved = 6}}),
    RowName());

}  // namespace
}  // namespace zumoku::test
