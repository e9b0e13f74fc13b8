// What memo1 lets in and how its typing is undone, the same on either
// widget: sent as the real events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "app/editor/memo_view.h"
#include "app/editor/mime_clipboard.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
struct MemoSubject {
  Memo memo;
  MemoBuffer buffer{memo};
};
struct MemoViewSubject {
  MimeClipboard clipboard{[this] { return buffer.TextEncoding(); },
                          [this](const QString& message) { emit memo.refused(message); }};
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
  MemoViewSubject() { memo.resize(400, 300); }
};
}  // namespace

template <class Subject>
class EntryOnEither : public ::testing::Test {
 protected:
  Subject subject;
  EditBuffer& buffer = subject.buffer;
  decltype(Subject::memo)& memo = subject.memo;
  QSignalSpy refusals{&subject.memo, &std::remove_reference_t<decltype(memo)>::refused};

  void Key(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&memo, &press);
  }
  void Type(const char* keys) {
    for (const char* key = keys; *key != 0; ++key) Key(Qt::Key_unknown, Qt::NoModifier, QString(QChar(*key)));
  }
  // Drags `data` onto the top left of the text: whether the widget takes it.
  bool Drop(QMimeData& data) {
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &drop);
    return true;
  }
  void Compose(const QString& preedit, const QString& commit = {}) {
    QInputMethodEvent event(preedit, {});
    if (!commit.isEmpty()) event.setCommitString(commit);
    QApplication::sendEvent(&memo, &event);
  }
};

using Widgets = ::testing::Types<MemoSubject, MemoViewSubject>;
TYPED_TEST_SUITE(EntryOnEither, Widgets);

TYPED_TEST(EntryOnEither, EnterWithShiftOrCtrlMakesAnOrdinaryLineEnd) {
  const Qt::KeyboardModifiers rows[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::ShiftModifier | Qt::KeypadModifier};
  for (const auto modifiers : rows) {
    this->buffer.Clear();
    this->Key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    this->Key(modifiers & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return, modifiers, QStringLiteral("\r"));
    this->Key(Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    EXPECT_EQ(this->buffer.Text(), "a\r\nb") << modifiers;
  }
}

TYPED_TEST(EntryOnEither, KeysHeldWithAltOrCtrlNeverType) {
  this->Key(Qt::Key_F, Qt::AltModifier, QStringLiteral("f"));
  this->Key(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("b"));
  EXPECT_EQ(this->buffer.Text(), "");
  this->Key(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  this->Key(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));  // shortcuts still work
  EXPECT_EQ(this->buffer.SelLength(), 1);
}

// A reconversion commit replaces text around the caret; refused, it must
// leave that text in place.
TYPED_TEST(EntryOnEither, RefusedCommitKeepsTheTextItWouldReplace) {
  const struct { int from, length; } rows[] = {{-1, 1}, {-2, 2}, {0, 0}};
  for (const auto& row : rows) {
    this->buffer.Clear();
    this->buffer.SetSelText(S("日本"));
    this->buffer.SetModified(false);
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("€"), row.from, row.length);
    QApplication::sendEvent(&this->memo, &event);
    EXPECT_EQ(this->buffer.Text(), S("日本")) << row.from;
    EXPECT_FALSE(this->buffer.Modified()) << row.from;
  }
  EXPECT_EQ(this->refusals.size(), std::size(rows));
}

// Reconversion: the input method reads the selection, then its commit
// replaces the text it names around the caret, in one undo step.
TYPED_TEST(EntryOnEither, ReconversionReplacesAroundTheCaret) {
  const struct {
    int from, length;
    std::string replaced;
  } rows[] = {{-1, 1, S("日本語")}, {-3, 2, S("語後")}, {-2, 1, S("日語後")}};
  for (const auto& row : rows) {
    this->buffer.Load(S("日本後"), Encoding::kShiftJis);
    this->buffer.SetSelStart(2);
    this->buffer.SetSelLength(2);
    EXPECT_EQ(this->memo.inputMethodQuery(Qt::ImCurrentSelection).toString(), QStringLiteral("本"));
    this->buffer.SetSelStart(6);
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("語"), row.from, row.length);
    QApplication::sendEvent(&this->memo, &event);
    EXPECT_EQ(this->buffer.Text(), row.replaced) << row.from;
    this->buffer.Undo();
    EXPECT_EQ(this->buffer.Text(), S("日本後")) << row.from;
  }
}

// Keys and compositions between typing "ab" and "cd": what one Undo leaves.
TYPED_TEST(EntryOnEither, WhatEndsATypingRun) {
  const struct {
    const char* name;
    std::function<void()> between;
    std::string afterUndo;
  } rows[] = {
      {"Shift alone", [&] { this->Key(Qt::Key_Shift, Qt::ShiftModifier, {}); }, ""},
      {"a composition",
       [&] {
         this->Compose(QStringLiteral("かん"));
         this->Compose({}, QStringLiteral("漢"));
       },
       ""},
      {"Left and Right",
       [&] {
         this->Key(Qt::Key_Left, Qt::NoModifier, {});
         this->Key(Qt::Key_Right, Qt::NoModifier, {});
       },
       "ab"},
      {"Backspace", [&] { this->Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")); }, "a"},
      {"a click", [&] { QTest::mouseClick(this->memo.viewport(), Qt::LeftButton, {}, QPoint(1, 1)); }, "ab"},
      {"a line end", [&] { this->Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); }, "ab\r\n"},
  };
  for (const auto& row : rows) {
    this->buffer.Clear();
    this->Type("ab");
    row.between();
    this->Type("cd");
    this->buffer.Undo();
    EXPECT_EQ(this->buffer.Text(), row.afterUndo) << row.name;
  }
}

// Undo brings back the selection the typing replaced; both redo keys take
// it again.
TYPED_TEST(EntryOnEither, UndoAndRedoKeys) {
  for (const Qt::KeyboardModifiers redo :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    this->buffer.Clear();
    this->Type("ab");
    this->Key(Qt::Key_Home, Qt::ShiftModifier, {});
    this->Type("x");
    this->Key(Qt::Key_Z, Qt::ControlModifier, {});
    EXPECT_EQ(this->buffer.SelText(), "ab");
    this->Key(redo == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, redo, {});
    EXPECT_EQ(this->buffer.Text(), "x") << redo;
  }
}

// The typing aids see a one-byte key before it is typed and may swallow it,
// and may change typed or committed text, which is then typed in its run.
TYPED_TEST(EntryOnEither, TypingAidsSeeKeysAndTypedText) {
  this->memo.SetKeyPressHandler([](char& key) { key = key == '{' ? 0 : key; });
  this->memo.SetTypedTextHandler([](QString& text) { text.replace(u'、', u'，'); });
  this->Type("a{");
  this->Key(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("、"));
  this->Compose({}, QStringLiteral("漢、"));
  EXPECT_EQ(this->buffer.Text(), S("a，漢，"));
  this->buffer.Undo();
  EXPECT_EQ(this->buffer.Text(), "");
}

// Invalid bytes and NUL: copied, cut or dragged inside the editor they come
// back as exactly the same bytes, in either encoding.
TYPED_TEST(EntryOnEither, ItsOwnTextComesBackByteForByte) {
  const struct {
    Encoding encoding;
    std::string bytes;
  } rows[] = {
      {Encoding::kShiftJis, std::string("x\0y\x80\xFF\x81", 6) + "\x83\x7D\r\n\xFD"},
      {Encoding::kUtf8, std::string("x\0\xC3(\xF0\x9F\x98\x80\r\n\xE6\xBC", 12)},
  };
  for (const auto& row : rows) {
    EditBuffer& buffer = this->buffer;
    buffer.Load(row.bytes, row.encoding);
    buffer.SelectAll();
    buffer.CopyToClipboard();
    buffer.SetSelStart(static_cast<int>(row.bytes.size()));
    buffer.PasteFromClipboard();
    EXPECT_EQ(buffer.Text(), row.bytes + row.bytes);
    buffer.SelectAll();
    buffer.CutToClipboard();
    buffer.PasteFromClipboard();
    EXPECT_EQ(buffer.Text(), row.bytes + row.bytes);

    QMimeData dragged;
    for (const QString& format : QApplication::clipboard()->mimeData()->formats()) {
      dragged.setData(format, QApplication::clipboard()->mimeData()->data(format));
    }
    buffer.Clear();
    EXPECT_TRUE(this->Drop(dragged));
    EXPECT_EQ(buffer.Text(), row.bytes + row.bytes);
  }
  EXPECT_TRUE(this->refusals.isEmpty());
}

// Other programs' text: its line ends become the document's, NUL is kept,
// and text the document may not take changes no byte and says why.
TYPED_TEST(EntryOnEither, TextFromOtherProgramsIsChecked) {
  const struct {
    QString text;
    std::string bytes;
    int refusals;
  } rows[] = {
      {QStringLiteral("a") + QChar(0) + QStringLiteral("b"), std::string("xa\0b", 4), 0},
      {QStringLiteral("a\r\nb\nc\rd\r\r\ne"), "xa\r\nb\r\nc\r\nd\r\ne", 0},
      {QString(QChar(0xF781)), "x", 1},  // a stand-in, from elsewhere
      {QStringLiteral("a한"), "x", 1},
  };
  for (const auto& row : rows) {
    for (const bool dropped : {false, true}) {
      this->buffer.Load("x", Encoding::kShiftJis);
      this->buffer.SetSelStart(1);
      this->refusals.clear();
      QApplication::clipboard()->setText(row.text);
      if (dropped) {
        QMimeData data;
        data.setText(row.text);
        this->buffer.SetSelStart(0);
        this->Drop(data);
      } else {
        this->buffer.PasteFromClipboard();
      }
      EXPECT_EQ(this->buffer.Text(), dropped && !row.refusals ? row.bytes.substr(1) + "x" : row.bytes) << dropped;
      EXPECT_EQ(this->refusals.size(), row.refusals) << dropped;
    }
  }
}

// Files dragged onto the text go on to the window, which opens them.
TYPED_TEST(EntryOnEither, DraggedFilesAreLeftToTheWindow) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.tex"))});
  files.setText(QStringLiteral("/tmp/a.tex"));
  EXPECT_FALSE(this->Drop(files));
  EXPECT_EQ(this->buffer.Text(), "");
}

// The window gives memo1 its two menus through the request any widget
// makes, at the click's place in the viewport.
TYPED_TEST(EntryOnEither, ContextMenuIsRequestedWhereClicked) {
  this->memo.setContextMenuPolicy(Qt::CustomContextMenu);
  QSignalSpy requests(&this->memo, &QWidget::customContextMenuRequested);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 6), this->memo.viewport()->mapToGlobal(QPoint(5, 6)));
  QApplication::sendEvent(this->memo.viewport(), &click);
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0][0].toPoint(), QPoint(5, 6));
}

}  // namespace zumoku::test
