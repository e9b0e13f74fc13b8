#include <QApplication>
#include <QClipboard>
#include <QPlainTextDocumentLayout>
#include <QStringDecoder>
#include <QTest>
#include <memory>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "edit_buffer_contract.h"
#include "encoding/codec.h"

namespace zumoku::test {

// Key presses that carry any text, Japanese included; a line end is Enter.
void TypeText(QWidget& widget, const QString& text) {
  for (const QChar c : text) {
    const bool enter = c == u'\n';
    QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : 0, Qt::NoModifier,
                    enter ? QStringLiteral("\r") : QString(c));
    QApplication::sendEvent(&widget, &press);
  }
}

struct MemoBufferFixture {
  Memo memo;
  MemoBuffer buffer{memo};
  EditBuffer& Buffer() { return buffer; }
  void SetClipboard(std::string_view bytes) {
    // The clipboard carries the platform's own text, line ends untouched.
    QStringDecoder decoder(buffer.TextEncoding() == Encoding::kUtf8 ? "UTF-8" : "Shift_JIS");
    QApplication::clipboard()->setText(decoder.decode(QByteArrayView(bytes.data(), bytes.size())));
  }
  std::optional<std::string> ClipboardText() const {
    return codec::Encode(Memo::NormalizeLineEnds(QApplication::clipboard()->text()), buffer.TextEncoding());
  }
  void Type(std::string_view bytes) { TypeText(memo, codec::Decode(bytes, buffer.TextEncoding())); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(MemoBuffer, EditBufferContract, MemoBufferFixture);

class MemoEntry : public ::testing::Test {
 protected:
  Memo memo;
  MemoBuffer buffer{memo};
  QStringList refusals;
  void SetUp() override {
    QObject::connect(&memo, &Memo::refused, [this](const QString& m) { refusals << m; });
  }
};

TEST_F(MemoEntry, RefusesTypedTextThatShiftJisCannotHold) {
  TypeText(memo, QStringLiteral("aé漢"));
  EXPECT_EQ(buffer.Text(), "a" + S("漢"));
  ASSERT_EQ(refusals.size(), 1);
  EXPECT_TRUE(refusals.front().contains(QStringLiteral("é")));
}

TEST_F(MemoEntry, RefusesPastedTextWholeAndKeepsTheDocument) {
  buffer.SetSelText("abc");
  QApplication::clipboard()->setText(QStringLiteral("x😀y"));
  buffer.PasteFromClipboard();
  EXPECT_EQ(buffer.Text(), "abc");
  EXPECT_EQ(refusals.size(), 1);
}

TEST_F(MemoEntry, RefusedInputMethodCommitEndsTheComposition) {
  QInputMethodEvent composing(QStringLiteral("え"), {});
  QApplication::sendEvent(&memo, &composing);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("€"));
  QApplication::sendEvent(&memo, &commit);
  EXPECT_EQ(buffer.Text(), "");
  QInputMethodEvent good;
  good.setCommitString(QStringLiteral("円"));
  QApplication::sendEvent(&memo, &good);
  EXPECT_EQ(buffer.Text(), S("円"));
  EXPECT_EQ(refusals.size(), 1);
}

// Exposes the document's connection count.
class WatchedDocument : public QTextDocument {
 public:
  WatchedDocument() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
  int Watchers() const { return receivers(SIGNAL(contentsChanged())); }
};

TEST(MemoBufferLifetime, ConnectionToTheWidgetEndsWithTheBuffer) {
  WatchedDocument document;
  Memo memo;
  memo.setDocument(&document);
  const int before = document.Watchers();
  auto buffer = std::make_unique<MemoBuffer>(memo);
  EXPECT_EQ(document.Watchers(), before + 1);
  buffer.reset();
  EXPECT_EQ(document.Watchers(), before);
  memo.insertPlainText(QStringLiteral("x"));  // reaches no buffer that is gone
}

TEST_F(MemoEntry, TabInsertsATabCharacter) {
  QTest::keyClick(&memo, Qt::Key_Tab);
  EXPECT_EQ(buffer.Text(), "\t");
}

}  // namespace zumoku::test
