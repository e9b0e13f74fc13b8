// memo1 drawn from the document's own bytes: keys, the input method's
// preedit and commit, caret moves, and layouts only for the lines in view.
#include <gtest/gtest.h>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <memory>

#include "app/editor/memo_view.h"
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

// Caret and anchor as byte offsets after each key, from the start of
// "漢a", CR LF, "bc".
TEST(MemoView, KeysMoveTheCaretByCharactersAndLines) {
  View view(Literal("漢a\r\nbc", Encoding::kShiftJis));
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::size_t caret, anchor;
  } rows[] = {
      {Qt::Key_Right, Qt::NoModifier, 2, 2},     {Qt::Key_Right, Qt::NoModifier, 3, 3},
      {Qt::Key_Right, Qt::NoModifier, 5, 5},     {Qt::Key_End, Qt::ShiftModifier, 7, 5},
      {Qt::Key_Home, Qt::NoModifier, 5, 5},      {Qt::Key_Up, Qt::NoModifier, 0, 0},
      {Qt::Key_End, Qt::ShiftModifier, 3, 0},    {Qt::Key_End, Qt::ControlModifier, 7, 7},
      {Qt::Key_Left, Qt::ShiftModifier, 6, 7},   {Qt::Key_Left, Qt::NoModifier, 6, 6},
      {Qt::Key_Left, Qt::NoModifier, 5, 5},      {Qt::Key_Left, Qt::NoModifier, 3, 3},
      {Qt::Key_Home, Qt::ControlModifier, 0, 0}, {Qt::Key_Down, Qt::NoModifier, 5, 5},
  };
  for (const auto& row : rows) {
    view.Key(row.key, row.modifiers);
    EXPECT_EQ(view.memo.Caret(), row.caret) << row.key;
    EXPECT_EQ(view.memo.Anchor(), row.anchor) << row.key;
  }
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

}  // namespace zumoku::test
