// How text enters memo1: keys, input-method compositions, the clipboard and
// drops, sent as the real events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "sjis_text.h"

namespace zumoku::test {

class MemoInput : public ::testing::Test {
 protected:
  Memo memo;
  MemoBuffer buffer{memo};
  QSignalSpy refusals{&memo, &Memo::refused};

  void Key(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&memo, &press);
  }
  void Compose(const QString& preedit, const QString& commit = {}) {
    QInputMethodEvent event(preedit, {});
    if (!commit.isEmpty()) event.setCommitString(commit);
    QApplication::sendEvent(&memo, &event);
  }
};

// Whatever the first character of the key text is.
TEST_F(MemoInput, KeyTextShiftJisCannotHoldIsRefused) {
  const char16_t rows[][2] = {{0x200B}, {0x200E}, {0xFEFF}, {0x00AD},
                              {0xF741}, {0xF781}, {0x2028}, {0xD83D, 0xDE00}};  // the last: 😀, outside the BMP
  for (const auto& row : rows) {
    const QString text = row[1] ? QString::fromUtf16(row, 2) : QString(QChar(row[0]));
    Key(Qt::Key_unknown, Qt::NoModifier, text);
    EXPECT_EQ(memo.toPlainText(), QString()) << std::hex << int(row[0]);
  }
  EXPECT_EQ(refusals.size(), std::size(rows));
}

TEST_F(MemoInput, JisFormsAreTakenTypedComposedAndPasted) {
  Key(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("〜"));
  Compose(QStringLiteral("‖"));
  Compose(QString(), QStringLiteral("‖"));
  QApplication::clipboard()->setText(QStringLiteral("−¢£¬—"));
  buffer.PasteFromClipboard();
  EXPECT_EQ(buffer.Text(), "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C");
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("～∥－￠￡￢―"));  // as the bytes read back
  EXPECT_EQ(buffer.SelStart(), 14);
  EXPECT_TRUE(refusals.isEmpty());
}

// A lead byte left alone at the end joins the first byte typed, composed,
// pasted or dropped after it, at once, as it will when the file is opened
// again.
TEST_F(MemoInput, TextAfterALoneLeadByteShowsTheCharacterTheyMake) {
  const std::function<void()> entries[] = {
      [&] { Key(Qt::Key_At, Qt::NoModifier, QStringLiteral("@")); },
      [&] { Compose({}, QStringLiteral("@")); },
      [&] {
        QApplication::clipboard()->setText(QStringLiteral("@"));
        buffer.PasteFromClipboard();
      },
      [&] {
        QMimeData dragged;
        dragged.setText(QStringLiteral("@"));
        const QPoint end = memo.viewport()->mapFrom(&memo, memo.CaretRect().center());
        QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo.viewport(), &enter);
        QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo.viewport(), &drop);
      },
  };
  for (const auto& enter : entries) {
    buffer.Load("x\x81", Encoding::kShiftJis);
    memo.SetCaretOffset(buffer.Text().size());
    enter();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("x\u3000"));
    EXPECT_EQ(buffer.Text(), "x\x81\x40");
    EXPECT_EQ(buffer.SelStart(), 3);
  }
}

// UTF-8 bytes shown alone join into one character once what stood between
// them is deleted, whether by a key or by a command, up to four bytes back.
TEST_F(MemoInput, Utf8BytesJoinWhenWhatSeparatedThemIsDeleted) {
  for (const bool byKey : {true, false}) {
    buffer.Load(
        "\xF0\x9F\x98"
        "a\x80z",
        Encoding::kUtf8);
    buffer.SetSelStart(3);
    buffer.SetSelLength(1);
    byKey ? Key(Qt::Key_Delete, Qt::NoModifier, QString()) : buffer.SetSelText("");
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("\U0001F600z")) << byKey;
    EXPECT_EQ(buffer.Text(), "\xF0\x9F\x98\x80z");
    EXPECT_EQ(buffer.SelStart(), 4) << byKey;  // never inside the joined character
  }
}

// The selector that keeps a duplicate code's other form goes with its
// character, never alone.
TEST_F(MemoInput, BackspaceTakesACharacterWithItsSelector) {
  buffer.Load("a\xED\x40", Encoding::kShiftJis);
  memo.SetCaretOffset(buffer.Text().size());
  Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
  EXPECT_EQ(buffer.Text(), "a");
}

TEST_F(MemoInput, CancelledCompositionChangesNothing) {
  buffer.SetSelText("abc");
  buffer.SetModified(false);
  QSignalSpy edits(&memo, &Memo::edited);
  Compose(QStringLiteral("かん"));
  Compose(QString());
  EXPECT_EQ(buffer.Text(), "abc");
  EXPECT_FALSE(buffer.Modified());
  EXPECT_TRUE(edits.isEmpty());
  Compose(QString(), QStringLiteral("漢"));
  EXPECT_TRUE(buffer.Modified());
}

}  // namespace zumoku::test
