// The surface code outside the editor uses gives the same answers on both
// widgets over the same bytes, in both encodings.
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>

#include <optional>
#include <type_traits>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "app/editor/memo_view.h"
#include "buffer/clipboard.h"

namespace zumoku::test {

namespace {
struct OldWidget {
  Memo memo;
  MemoBuffer buffer{memo};
};
struct NewWidget {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
};

enum class Act { kGoToLine, kSelectLine, kSetCaretOffset };

struct Seen {
  int caretLine;
  std::size_t caretOffset;
  int selStart, selLength;
  bool operator==(const Seen&) const = default;
};

struct Row {
  const char* name;
  Act act;
  int argument;
  Seen shiftJis, utf8;  // what either widget shows after the act
};

template <class Widget>
Seen SeenAfter(Widget& widget, Encoding encoding, const std::string& bytes, const Row& row) {
  widget.buffer.Load(bytes, encoding);
  widget.memo.resize(300, 200);
  widget.memo.show();
  widget.memo.SetCaretOffset(1);
  switch (row.act) {
    case Act::kGoToLine:
      widget.memo.GoToLine(row.argument);
      break;
    case Act::kSelectLine:
      widget.memo.SelectLine(row.argument);
      break;
    case Act::kSetCaretOffset:
      widget.memo.SetCaretOffset(static_cast<std::size_t>(row.argument));
      break;
  }
  return {widget.memo.CaretLine(), widget.memo.CaretOffset(), widget.buffer.SelStart(), widget.buffer.SelLength()};
}

// "ab", "日本", "", "xyz": 日本 is 4 bytes in Shift_JIS and 6 in UTF-8.
const std::string kShiftJis = "ab\r\n\x93\xfa\x96\x7b\r\n\r\nxyz";
const std::string kUtf8 = "ab\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n\r\nxyz";
}  // namespace

TEST(MemoSurface, BothWidgetsMoveAndSelectByLinesAndBytesAlike) {
  const Row rows[] = {
      {"go to a line", Act::kGoToLine, 1, {1, 4, 4, 0}, {1, 4, 4, 0}},
      {"go to the last line", Act::kGoToLine, 3, {3, 12, 12, 0}, {3, 14, 14, 0}},
      {"go past the last line", Act::kGoToLine, 4, {0, 1, 1, 0}, {0, 1, 1, 0}},
      {"go before the first line", Act::kGoToLine, -1, {0, 1, 1, 0}, {0, 1, 1, 0}},
      {"select a line without its line end", Act::kSelectLine, 1, {1, 8, 4, 4}, {1, 10, 4, 6}},
      {"select an empty line", Act::kSelectLine, 2, {2, 10, 10, 0}, {2, 12, 12, 0}},
      {"select the last line", Act::kSelectLine, 3, {3, 15, 12, 3}, {3, 17, 14, 3}},
      {"caret inside a character", Act::kSetCaretOffset, 5, {1, 4, 4, 0}, {1, 4, 4, 0}},
      {"caret past the end", Act::kSetCaretOffset, 1000, {3, 15, 15, 0}, {3, 17, 17, 0}},
  };
  for (const Row& row : rows) {
    for (const auto& [encoding, bytes, expected] :
         {std::tuple{Encoding::kShiftJis, kShiftJis, row.shiftJis}, std::tuple{Encoding::kUtf8, kUtf8, row.utf8}}) {
      OldWidget old;
      NewWidget drawn;
      EXPECT_EQ(SeenAfter(old, encoding, bytes, row), expected) << "Memo: " << row.name;
      EXPECT_EQ(SeenAfter(drawn, encoding, bytes, row), expected) << "MemoView: " << row.name;
    }
  }
}

// Marks, line spans and the bytes they cover read back the same; every
// line of a short text is shown, the caret inside the view.
TEST(MemoSurface, BothWidgetsKeepMarksAndReadLinesAlike) {
  for (const auto& [encoding, bytes, secondLine] : {std::tuple{Encoding::kShiftJis, kShiftJis, ByteRange{4, 8}},
                                                    std::tuple{Encoding::kUtf8, kUtf8, ByteRange{4, 10}}}) {
    OldWidget old;
    NewWidget drawn;
    old.buffer.Load(bytes, encoding);
    drawn.buffer.Load(bytes, encoding);
    const std::vector<ByteRange> marks{{0, 2}, secondLine};
    const auto check = [&](auto& memo, const char* name) {
      memo.resize(300, 200);
      memo.show();
      memo.GoToLine(3);
      const auto shown = memo.ShownLines();
      ASSERT_EQ(shown.size(), 4u) << name;
      EXPECT_EQ(shown.back().line, 3) << name;
      EXPECT_LT(shown[2].bounds.bottom(), shown[3].bounds.bottom()) << name;
      EXPECT_TRUE(memo.viewport()->geometry().contains(memo.CaretRect())) << name;
      memo.SetMarks(MarkLayer::kFindMatches, marks);
      EXPECT_EQ(memo.Marks(MarkLayer::kFindMatches), marks) << name;
      EXPECT_TRUE(memo.Marks(MarkLayer::kBraces).empty()) << name;
      EXPECT_EQ(memo.LineCount(), 4) << name;
      EXPECT_EQ(memo.LineSpan(1), secondLine) << name;
      EXPECT_EQ(memo.Bytes(memo.LineSpan(1)), bytes.substr(4, secondLine.to - 4)) << name;
      EXPECT_EQ(memo.Bytes({0, memo.LineSpan(3).to}), bytes) << name;
    };
    check(old.memo, "Memo");
    check(drawn.memo, "MemoView");
  }
}

namespace {
enum class Step { kGoToLine, kTypeThenUndo };
struct Told {
  bool caretMoved = false;
  std::optional<bool> redoAvailable;  // the last told
  bool operator==(const Told&) const = default;
};

template <class Widget>
Told ToldAfter(Widget& widget, Step step) {
  auto& memo = widget.memo;
  using Shown = std::decay_t<decltype(memo)>;
  widget.buffer.Load(kShiftJis, Encoding::kShiftJis);
  memo.resize(300, 200);
  memo.show();
  Told told;
  QObject::connect(&memo, &Shown::caretMoved, [&told] { told.caretMoved = true; });
  QObject::connect(&memo, &Shown::redoAvailable, [&told](bool available) { told.redoAvailable = available; });
  if (step == Step::kGoToLine) {
    memo.GoToLine(2);
  } else {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&memo, &press);
    memo.Undo();
  }
  return told;
}
}  // namespace

// The caret's place in the status bar and the Redo command follow these.
TEST(MemoSurface, BothWidgetsTellOfCaretMovesAndRedo) {
  const struct {
    const char* name;
    Step step;
    Told told;
  } rows[] = {
      {"a command moves the caret", Step::kGoToLine, {true, std::nullopt}},
      {"an undone letter can be typed again", Step::kTypeThenUndo, {true, true}},
  };
  for (const auto& row : rows) {
    OldWidget old;
    NewWidget drawn;
    EXPECT_EQ(ToldAfter(old, row.step), row.told) << "Memo: " << row.name;
    EXPECT_EQ(ToldAfter(drawn, row.step), row.told) << "MemoView: " << row.name;
  }
}

}  // namespace zumoku::test
