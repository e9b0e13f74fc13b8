// TextBuffer and MemoBuffer side by side, the editor showing what its bytes
// read back as; keys and input-method commits reach the widget as events.
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <memory>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "buffer_differential.h"
#include "encoding/codec.h"

namespace zumoku::test {

namespace {
struct MemoSubject {
  Memo memo;
  MemoBuffer widget{memo};

  EditBuffer& Buffer() { return widget; }
  void Type(const std::string& key) {
    const bool enter = key == "\r\n";
    QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier,
                    enter ? QStringLiteral("\r") : codec::Decode(key, Encoding::kShiftJis));
    QApplication::sendEvent(&memo, &press);
  }
  void Commit(const std::string& text) {
    QInputMethodEvent commit;
    commit.setCommitString(codec::Decode(text, Encoding::kShiftJis));
    QApplication::sendEvent(&memo, &commit);
  }
  void CheckShown(const std::string& bytes) {
    ASSERT_EQ(memo.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'),
              codec::Decode(bytes, Encoding::kShiftJis));
  }
};
}  // namespace

TEST(BufferDifferential, RandomEditSequencesAgree) {
  RunDifferentialSequences<MemoSubject>(1000, Encoding::kShiftJis, [] { return std::make_unique<MemoSubject>(); });
}

}  // namespace zumoku::test
