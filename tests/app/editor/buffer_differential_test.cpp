// TextBuffer and MemoBuffer side by side: seeded random sequences of edits
// must leave both with the same bytes, selection and Modified flag, and the
// editor showing what its bytes read back as.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <random>
#include <sstream>

#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "buffer/text_buffer.h"
#include "encoding/codec.h"
#include "encoding/sjis.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
// Pieces of inserted text: line ends of every form, double-byte characters
// (マ holds a "}" byte; 0xFBFC and 0xFA40 lie above 0xFA), a duplicate code
// in its preferred and other forms (∵ 0x81E6, 0x879A, 0xFA5B), invalid bytes,
// unassigned pairs, NUL, and lead bytes that stand alone until text after
// them brings a trail byte.
const std::string kPieces[] = {"a",        "{",
                               "\r",       "\n",
                               "\r\n",     "\r\r\n",
                               S("漢"),    S("マ"),
                               S("ｱ"),     "\xFB\xFC",
                               "\xFA\x40", "\x81\xE6",
                               "\x87\x9A", "\xFA\x5B",
                               "\x85\x40", "\x86\x7D",
                               "\xEB",     "\x81",
                               "\x88",     "\x80",
                               "\xFF",     std::string(1, '\0')};
// What a key can type: one character each, and Enter (the last). 亜 is two
// lead-range bytes, whose pairing shifts after a lone lead byte.
const std::string kKeys[] = {"a", " ", "}", "@", S("漢"), S("亜"), S("ｱ"), S("∵"), "\xFB\xFC", "\r\n"};

struct Buffers {
  MemoryClipboard clipboard;
  TextBuffer text{clipboard};
  Memo memo;
  MemoBuffer widget{memo};
};

class Sequence {
 public:
  Sequence(Buffers& buffers, unsigned seed) : b_(buffers), random_(seed) {}

  // Runs `steps` random operations; the log names them for a failure report.
  void Run(int steps) {
    for (int step = 0; step < steps; ++step) {
      Apply();
      if (::testing::Test::HasFailure()) return;
    }
  }
  std::string Log() const { return log_.str(); }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  std::string Piece() {
    std::string s;
    for (int n = Pick(4); n >= 0; --n) s += kPieces[Pick(std::size(kPieces))];
    return s;
  }

  template <typename F>
  void Both(const char* what, F&& operation) {
    log_ << what << ' ';
    operation(static_cast<EditBuffer&>(b_.text));
    operation(static_cast<EditBuffer&>(b_.widget));
    Compare();
  }

  void Type(const std::string& key) {
    log_ << "type ";
    b_.text.Type(key);
    const bool enter = key == "\r\n";
    QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier,
                    enter ? QStringLiteral("\r") : codec::Decode(key, Encoding::kShiftJis));
    QApplication::sendEvent(&b_.memo, &press);
    Compare();
  }

  // An input method's commit of a few keys' text, Enter not among them.
  void Commit() {
    std::string text;
    for (int n = Pick(3); n >= 0; --n) text += kKeys[Pick(std::size(kKeys) - 1)];
    log_ << "commit ";
    b_.text.Type(text);
    QInputMethodEvent commit;
    commit.setCommitString(codec::Decode(text, Encoding::kShiftJis));
    QApplication::sendEvent(&b_.memo, &commit);
    Compare();
  }

  void Apply() {
    const int length = static_cast<int>(b_.text.Text().size());
    switch (Pick(12)) {
      case 0:
        return Type(kKeys[Pick(std::size(kKeys))]);
      case 1:
        return Commit();
      case 2: {
        const int start = Pick(length + 2) - 1, count = Pick(length + 2) - 1;
        return Both("select", [&](EditBuffer& b) {
          b.SetSelStart(start);
          b.SetSelLength(count);
        });
      }
      case 3: {
        const std::string s = Piece();
        return Both("seltext", [&](EditBuffer& b) { b.SetSelText(s); });
      }
      case 4: {
        const int line = Pick(b_.text.Lines().Count() + 2) - 1;
        const std::string s = Piece();
        return Both("put", [&](EditBuffer& b) { b.Lines().Put(line, s); });
      }
      case 5: {
        const std::string s = Piece();
        return Both("add", [&](EditBuffer& b) { b.Lines().Add(s); });
      }
      case 6: {  // a command: several writes as one step
        const std::string s = Piece(), t = Piece();
        return Both("step", [&](EditBuffer& b) {
          b.BeginUndoStep();
          b.SetSelText(s);
          b.Lines().Put(0, b.Lines().Get(0) + t);
          b.EndUndoStep();
        });
      }
      case 7:
      case 8:
        return Both("undo", [](EditBuffer& b) { b.Undo(); });
      case 9: {
        const int which = Pick(3);
        return Both("clipboard", [which](EditBuffer& b) {
          which == 0 ? b.CopyToClipboard() : which == 1 ? b.CutToClipboard() : b.PasteFromClipboard();
        });
      }
      case 10:
        return Both("selectall", [](EditBuffer& b) { b.SelectAll(); });
      default:
        return Both("unmodify", [](EditBuffer& b) { b.SetModified(false); });
    }
  }

  void Compare() {
    ASSERT_EQ(b_.widget.Text(), b_.text.Text()) << Log();
    ASSERT_EQ(b_.memo.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'),
              codec::Decode(b_.text.Text(), Encoding::kShiftJis))
        << Log();
    ASSERT_EQ(b_.widget.SelStart(), b_.text.SelStart()) << Log();
    ASSERT_EQ(b_.widget.SelLength(), b_.text.SelLength()) << Log();
    ASSERT_EQ(b_.widget.Modified(), b_.text.Modified()) << Log();
    ASSERT_EQ(b_.widget.Lines().Count(), b_.text.Lines().Count()) << Log();
  }

  Buffers& b_;
  std::mt19937 random_;
  std::ostringstream log_;
};
}  // namespace

TEST(BufferDifferential, RandomEditSequencesAgree) {
  constexpr int kSequences = 1000;
  for (unsigned seed = 1; seed <= kSequences; ++seed) {
    Buffers buffers;
    // Both clipboards start with the same text.
    buffers.text.SetSelText("x");
    buffers.widget.SetSelText("x");
    buffers.text.SelectAll();
    buffers.widget.SelectAll();
    buffers.text.CopyToClipboard();
    buffers.widget.CopyToClipboard();
    Sequence sequence(buffers, seed);
    sequence.Run(24);
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed;
  }
}

}  // namespace zumoku::test
