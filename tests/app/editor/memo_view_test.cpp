// memo1 drawn from the document's own bytes: keys, the input method's
// preedit and commit, caret moves, and layouts only for the lines in view.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>

#include <memory>

#include "app/editor/memo_view.h"
#include "app/editor/word_classes.h"
#include "buffer/literal.h"
#include "buffer_differential.h"
#include "encoding/codec.h"

namespace zumoku::test {

namespace {
struct View {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
  explicit View(std::string_view text = "", Encoding encoding = Encoding::kShiftJis) {
    buffer.Load(text, encoding);
    memo.resize(400, 300);
    memo.show();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&memo, &press);
  }
  void InputMethod(const QString& preedit, const QString& commit) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(&memo, &event);
  }
};
// Keys and commits reach the widget as events; it shows the lines in view.
struct MemoViewSubject : View {
  explicit MemoViewSubject(Encoding encoding) : View("", encoding), encoding(encoding) {}
  Encoding encoding;
  EditBuffer& Buffer() { return buffer; }
  void Type(const std::string& key) {
    if (key == "\r\n") return Key(Qt::Key_Return);
    Key(Qt::Key_unknown, Qt::NoModifier, codec::Decode(key, encoding));
  }
  void Commit(const std::string& text) { InputMethod({}, codec::Decode(text, encoding)); }
  // The caret's line as laid out is its bytes decoded, so a layout kept past
  // an edit shows.
  void CheckShown(const std::string&) {
    memo.grab();
    ASSERT_EQ(memo.Caret(), static_cast<std::size_t>(buffer.SelStart() + buffer.SelLength()));
    ASSERT_EQ(memo.inputMethodQuery(Qt::ImSurroundingText).toString(),
              codec::Decode(buffer.Lines().Get(memo.CaretLine()), encoding));
  }
};
}  // namespace

TEST(MemoView, RandomEditSequencesAgreeWithTheReferenceInBothEncodings) {
  for (const Encoding encoding : {Encoding::kShiftJis, Encoding::kUtf8}) {
    SCOPED_TRACE(encoding == Encoding::kUtf8 ? "UTF-8" : "Shift_JIS");
    RunDifferentialSequences<MemoViewSubject>(1000, encoding,
                                              [encoding] { return std::make_unique<MemoViewSubject>(encoding); });
  }
}

TEST(MemoView, KeysWriteTheBytesOfTheDocumentsEncoding) {
  for (const Encoding encoding : {Encoding::kShiftJis, Encoding::kUtf8}) {
    View view("", encoding);
    view.Key(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("漢"));
    view.Key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    view.Key(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    view.Key(Qt::Key_Backspace);
    view.Key(Qt::Key_Return);
    view.Key(Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    view.Key(Qt::Key_Left);
    view.Key(Qt::Key_Backspace);  // the line end, both bytes
    view.Key(Qt::Key_Backspace);
    EXPECT_EQ(view.buffer.Text(), Literal("漢b", encoding));
    view.Key(Qt::Key_Backspace);  // every byte of 漢
    EXPECT_EQ(view.buffer.Text(), "b");
    view.buffer.Undo();
    view.buffer.Undo();
    view.buffer.Undo();
    EXPECT_EQ(view.buffer.Text(), Literal("漢a\r\nb", encoding));
  }
}

// What the input method composes is shown, not written: no byte, no
// modified mark, no undo step; only the commit is written.
TEST(MemoView, PreeditIsDrawnAndOnlyTheCommitWritten) {
  View view("x");
  view.buffer.SetModified(false);
  view.InputMethod(QStringLiteral("にほんご"), {});
  EXPECT_EQ(view.buffer.Text(), "x");
  EXPECT_FALSE(view.buffer.Modified());
  EXPECT_EQ(view.memo.Preedit(), QStringLiteral("にほんご"));
  view.memo.grab();  // paints the preedit
  view.InputMethod({}, QStringLiteral("日本語"));
  EXPECT_EQ(view.buffer.Text(), Literal("日本語x", Encoding::kShiftJis));
  EXPECT_TRUE(view.memo.Preedit().isEmpty());
  EXPECT_EQ(view.memo.inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("日本語x"));
  EXPECT_EQ(view.memo.inputMethodQuery(Qt::ImCursorPosition).toInt(), 3);
}

// Text the document may not take writes nothing, typed or committed, and
// says why; the old editor's wording.
TEST(MemoView, RefusedTextWritesNothingAndSaysWhy) {
  const struct {
    Encoding encoding;
    QString text, message;
  } rows[] = {
      {Encoding::kShiftJis, QStringLiteral("한"),
       QStringLiteral("「한」はShift_JISで表せない文字のため入力できません")},
      {Encoding::kShiftJis, QStringLiteral("😀"), QStringLiteral("Shift_JISで表せない文字は入力できません")},
      {Encoding::kUtf8, QString(QChar(0xF741)), QStringLiteral("文書に入力できない文字です")},  // a stand-in
  };
  for (const auto& row : rows) {
    for (const bool commit : {false, true}) {
      View view("x", row.encoding);
      QString said;
      QObject::connect(&view.memo, &MemoView::refused, [&](const QString& message) { said = message; });
      commit ? view.InputMethod({}, row.text) : view.Key(Qt::Key_unknown, Qt::NoModifier, row.text);
      EXPECT_EQ(view.buffer.Text(), "x") << row.message.toStdString();
      EXPECT_EQ(said, row.message);
    }
  }
}

// Caret and anchor as byte offsets after each key, from the start of
// "漢a", CR LF, "bc".
TEST(MemoView, KeysMoveTheCaretByCharactersAndLines) {
  View view(Literal("漢a\r\nbc", Encoding::kShiftJis));
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::size_t caret, anchor;
  } rows[] = {
      {Qt::Key_Right, Qt::NoModifier, 2, 2},      {Qt::Key_Right, Qt::NoModifier, 3, 3},
      {Qt::Key_Right, Qt::NoModifier, 5, 5},      {Qt::Key_End, Qt::ShiftModifier, 7, 5},
      {Qt::Key_Home, Qt::NoModifier, 5, 5},       {Qt::Key_Up, Qt::NoModifier, 0, 0},
      {Qt::Key_End, Qt::ShiftModifier, 3, 0},     {Qt::Key_End, Qt::ControlModifier, 7, 7},
      {Qt::Key_Left, Qt::ShiftModifier, 6, 7},    {Qt::Key_Left, Qt::NoModifier, 6, 6},
      {Qt::Key_Left, Qt::NoModifier, 5, 5},       {Qt::Key_Left, Qt::NoModifier, 3, 3},
      {Qt::Key_Home, Qt::ControlModifier, 0, 0},  {Qt::Key_Down, Qt::NoModifier, 5, 5},
      {Qt::Key_Right, Qt::ControlModifier, 7, 7}, {Qt::Key_Left, Qt::ControlModifier, 5, 5},
      {Qt::Key_Left, Qt::ControlModifier, 3, 3},
  };
  for (const auto& row : rows) {
    view.Key(row.key, row.modifiers);
    EXPECT_EQ(view.memo.Caret(), row.caret) << row.key;
    EXPECT_EQ(view.memo.Anchor(), row.anchor) << row.key;
  }
}

// A line wider than the view wraps at its width: Down walks its rows
// before it reaches the next line, and the input method's rectangle follows.
TEST(MemoView, LongLinesWrapAtTheViewsWidth) {
  std::string longLine;
  for (int n = 0; n < 200; ++n) longLine += Literal("漢", Encoding::kShiftJis);
  View view(longLine + "\r\nx");
  int presses = 0;
  qreal lastY = -1;
  while (view.memo.CaretLine() == 0 && presses < 100) {
    const qreal y = view.memo.inputMethodQuery(Qt::ImCursorRectangle).toRectF().y();
    EXPECT_GT(y, lastY) << presses;
    lastY = y;
    view.Key(Qt::Key_Down);
    ++presses;
  }
  EXPECT_GE(presses, 4);  // 200 wide characters take several rows of 400 pixels
  EXPECT_LT(presses, 100);
  EXPECT_EQ(view.memo.Caret(), longLine.size() + 2);
}

// Read and edited as a test tool does: UTF-16 offsets, lines joined by
// "\n", an edit that Undo takes back.
TEST(MemoView, AccessibleTextReadsAndEditsTheDocument) {
  View view(Literal("漢字\r\n😀b\r\n", Encoding::kUtf8), Encoding::kUtf8);
  QAccessibleInterface* memo = QAccessible::queryAccessibleInterface(&view.memo);
  ASSERT_NE(memo, nullptr);
  QAccessibleTextInterface* text = memo->textInterface();
  QAccessibleEditableTextInterface* editable = memo->editableTextInterface();
  ASSERT_NE(text, nullptr);
  ASSERT_NE(editable, nullptr);
  EXPECT_EQ(text->characterCount(), 7);
  EXPECT_EQ(text->text(0, 7), QStringLiteral("漢字\n😀b\n"));
  text->setSelection(0, 3, 5);  // 😀, two units
  EXPECT_EQ(view.buffer.SelText(), Literal("😀", Encoding::kUtf8));
  int start = 0, end = 0;
  text->selection(0, &start, &end);
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(3, 5));
  editable->replaceText(1, 2, QStringLiteral("語"));
  EXPECT_EQ(view.buffer.Text(), Literal("漢語\r\n😀b\r\n", Encoding::kUtf8));
  EXPECT_EQ(text->cursorPosition(), 2);
  view.buffer.Undo();
  EXPECT_EQ(view.buffer.Text(), Literal("漢字\r\n😀b\r\n", Encoding::kUtf8));
}

// Screen readers hear of edits and caret moves in UTF-16 offsets, lines
// joined by "\n", from "😀", CR LF, "ab".
TEST(MemoView, AccessibleEventsGiveUtf16Offsets) {
  using Heard = std::tuple<QAccessible::Event, int, QString>;
  static std::vector<Heard> heard;
  MemoViewAccessibleEvents::InstallHandler([](QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextInserted) {
      const auto& insert = static_cast<QAccessibleTextInsertEvent&>(*event);
      heard.emplace_back(event->type(), insert.changePosition(), insert.textInserted());
    } else if (event->type() == QAccessible::TextRemoved) {
      const auto& remove = static_cast<QAccessibleTextRemoveEvent&>(*event);
      heard.emplace_back(event->type(), remove.changePosition(), remove.textRemoved());
    } else if (event->type() == QAccessible::TextUpdated) {
      const auto& update = static_cast<QAccessibleTextUpdateEvent&>(*event);
      heard.emplace_back(event->type(), update.changePosition(), update.textRemoved() + "|" + update.textInserted());
    } else if (event->type() == QAccessible::TextCaretMoved) {
      heard.emplace_back(event->type(), static_cast<QAccessibleTextCursorEvent&>(*event).cursorPosition(), QString());
    }
  });
  View view(Literal("😀\r\nab", Encoding::kUtf8), Encoding::kUtf8);
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::vector<Heard> heard;
  } rows[] = {
      {Qt::Key_End, Qt::ControlModifier, {}, {{QAccessible::TextCaretMoved, 5, {}}}},
      {Qt::Key_unknown,
       Qt::NoModifier,
       QStringLiteral("漢"),
       {{QAccessible::TextInserted, 5, QStringLiteral("漢")}, {QAccessible::TextCaretMoved, 6, {}}}},
      {Qt::Key_Backspace,
       Qt::NoModifier,
       {},
       {{QAccessible::TextRemoved, 5, QStringLiteral("漢")}, {QAccessible::TextCaretMoved, 5, {}}}},
      {Qt::Key_Home, Qt::ShiftModifier, {}, {{QAccessible::TextCaretMoved, 3, {}}}},
      {Qt::Key_unknown,
       Qt::NoModifier,
       QStringLiteral("x"),
       {{QAccessible::TextUpdated, 3, QStringLiteral("ab|x")}, {QAccessible::TextCaretMoved, 4, {}}}},
  };
  for (const auto& row : rows) {
    heard.clear();
    view.Key(row.key, row.modifiers, row.text);
    EXPECT_EQ(heard, row.heard) << row.key;
  }
  MemoViewAccessibleEvents::InstallHandler(nullptr);
}

TEST(MemoView, LaysOutOnlyTheLinesInView) {
  std::string text;
  for (int line = 0; line < 20000; ++line) text += "line " + std::to_string(line) + "\r\n";
  View view(text);
  view.memo.show();
  view.memo.grab();
  const std::size_t inView = view.memo.LayoutsHeld();
  EXPECT_GT(inView, 3u);
  EXPECT_LT(inView, 60u);
  view.Key(Qt::Key_End, Qt::ControlModifier);
  view.memo.grab();
  EXPECT_EQ(view.memo.CaretLine(), 20000);
  EXPECT_LE(view.memo.LayoutsHeld(), inView + 1);
}

namespace {
// The rectangles the viewport was asked to paint.
struct PaintedRegion : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};
}  // namespace

// A typed letter that keeps its line's rows repaints that line only, as the
// window system's next frame paints the regions asked for.
TEST(MemoView, ATypedLetterRepaintsItsLineOnly) {
  std::string text;
  for (int line = 0; line < 2000; ++line) text += "line " + std::to_string(line) + "\r\n";
  View view(text);
  view.memo.SetCaretOffset(view.buffer.LineStarts().Start(3));
  QApplication::processEvents();  // shown and painted whole
  PaintedRegion region;
  view.memo.viewport()->installEventFilter(&region);
  view.Key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QEvent paintPending(QEvent::UpdateRequest);
  QApplication::sendEvent(view.memo.window(), &paintPending);
  EXPECT_EQ(region.painted.boundingRect().height(), view.memo.fontMetrics().lineSpacing());
}

// Words end where the script changes; spaces belong to none.
TEST(WordClasses, WordsAreRunsOfOneClass) {
  const QString text = QStringLiteral("\\section{漢字々かなカナー ｶﾅabc_1　ＡＢ。}");
  const struct {
    int column, begin, end, next, previous;
  } rows[] = {
      {0, 0, 1, 1, 0},       // the backslash alone
      {3, 1, 8, 8, 1},       // section
      {9, 9, 12, 12, 8},     // 漢字々, after the brace
      {12, 12, 14, 14, 9},   // かな
      {14, 14, 17, 18, 12},  // カナー, then the space
      {18, 18, 20, 20, 14},  // ｶﾅ after the space
      {20, 20, 25, 26, 18},  // abc_1, then the ideographic space
      {26, 26, 28, 28, 20},  // ＡＢ
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WordAround(text, row.column), std::make_pair(row.begin, row.end)) << row.column;
    EXPECT_EQ(NextWordStart(text, row.column), row.next) << row.column;
    EXPECT_EQ(PreviousWordStart(text, row.column), row.previous) << row.column;
  }
}

// Marks before an edit stay, marks after it move with their bytes, marks
// the edit touched are gone.
TEST(ByteMarks, MarksFollowEdits) {
  const struct {
    const char* name;
    int offset, removed, added;
    std::vector<std::size_t> left;  // from, to of each mark kept
  } rows[] = {
      {"insert before all", 0, 0, 3, {5, 7, 13, 15}},      {"insert between", 6, 0, 2, {2, 4, 12, 14}},
      {"insert at a mark's end", 4, 0, 1, {2, 4, 11, 13}}, {"remove across the first", 3, 4, 0, {6, 8}},
      {"replace inside the second", 11, 1, 5, {2, 4}},
  };
  for (const auto& row : rows) {
    ByteMarks marks;
    marks.Set(MarkLayer::kFindMatches, {{2, 4}, {10, 12}});
    marks.Follow({0, 0, 0, row.offset, row.removed, row.added});
    std::vector<std::size_t> left;
    for (const ByteRange& range : marks.Get(MarkLayer::kFindMatches)) left.insert(left.end(), {range.from, range.to});
    EXPECT_EQ(left, row.left) << row.name;
  }
}

TEST(MemoView, DoubleClickSelectsTheWordAndATripleClickTheLine) {
  View view(Literal("漢字かな abc\r\nx", Encoding::kShiftJis));
  const QPointF first(6, 4);  // on the first character
  QMouseEvent twice(QEvent::MouseButtonDblClick, first, first, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  twice.setTimestamp(1000);
  QApplication::sendEvent(view.memo.viewport(), &twice);
  EXPECT_EQ(view.buffer.SelText(), Literal("漢字", Encoding::kShiftJis));
  QMouseEvent third(QEvent::MouseButtonPress, first, first, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  third.setTimestamp(1100);
  QApplication::sendEvent(view.memo.viewport(), &third);
  EXPECT_EQ(view.buffer.SelText(), Literal("漢字かな abc\r\n", Encoding::kShiftJis));
}

// A drag within the view moves the selected bytes; one Undo puts them back
// and selects them again.
TEST(MemoView, MovingTheSelectionIsOneUndoStep) {
  const std::string text = Literal("ab漢cd", Encoding::kShiftJis);
  const struct {
    std::size_t at;
    std::string moved;
  } rows[] = {{6, Literal("abcd漢", Encoding::kShiftJis)},
              {0, Literal("漢abcd", Encoding::kShiftJis)},
              {3, text}};  // inside the selection
  for (const auto& row : rows) {
    View view(text);
    view.buffer.SetSelStart(2);
    view.buffer.SetSelLength(2);
    view.memo.MoveSelectionTo(row.at);
    EXPECT_EQ(view.buffer.Text(), row.moved) << row.at;
    view.memo.Undo();
    EXPECT_EQ(view.buffer.Text(), text) << row.at;
    EXPECT_EQ(view.buffer.SelText(), Literal("漢", Encoding::kShiftJis)) << row.at;
  }
}

}  // namespace zumoku::test
