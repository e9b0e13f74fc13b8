#pragma once
// The reference TextBuffer beside a buffer under test: seeded random
// sequences of edits must leave both with the same bytes, selection,
// Modified flag and line count. A Subject provides Buffer(), Type(key) (one
// key; CR LF is Enter), Commit(text) (an input method's commit) and
// CheckShown(bytes) (what it shows, for a widget, matches the bytes).
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "buffer/literal.h"
#include "buffer/text_buffer.h"

namespace zumoku::test {

// Pieces of inserted text: line ends of every form, double-byte characters,
// and bytes that are no character of the encoding, among them lead bytes
// that stand alone until text after them brings a trail byte.
inline std::vector<std::string> DifferentialPieces(Encoding encoding) {
  std::vector<std::string> pieces;
  for (const char* utf8 : {"a", "{", "\r", "\n", "\r\n", "\r\r\n", "漢", "マ", "ｱ"}) {
    pieces.push_back(Literal(utf8, encoding));
  }
  // Shift_JIS: codes above 0xFA, a duplicate code in its preferred and other
  // forms (∵ 0x81E6, 0x879A, 0xFA5B), unassigned pairs, lone lead bytes.
  // UTF-8: a four-byte character, cut sequences, stray continuation bytes.
  const std::vector<std::string> raw =
      encoding == Encoding::kShiftJis
          ? std::vector<std::string>{"\xFB\xFC", "\xFA\x40", "\x81\xE6", "\x87\x9A", "\xFA\x5B", "\x85\x40",
                                     "\x86\x7D", "\xEB",     "\x81",     "\x88",     "\x80",     "\xFF"}
          : std::vector<std::string>{"\xF0\x9F\x98\x80", "\xE6\xBC", "\xF0\x9F", "\xE3", "\x81", "\x80", "\xFF"};
  pieces.insert(pieces.end(), raw.begin(), raw.end());
  pieces.emplace_back(1, '\0');
  return pieces;
}

// What a key can type: one character each, and Enter (the last). 亜 is two
// lead-range bytes in Shift_JIS, whose pairing shifts after a lone lead byte.
inline std::vector<std::string> DifferentialKeys(Encoding encoding) {
  std::vector<std::string> keys;
  for (const char* utf8 : {"a", " ", "}", "@", "漢", "亜", "ｱ", "∵"}) keys.push_back(Literal(utf8, encoding));
  keys.push_back(encoding == Encoding::kShiftJis ? "\xFB\xFC" : "\xF0\x9F\x98\x80");
  keys.emplace_back("\r\n");
  return keys;
}

template <typename Subject>
class DifferentialSequence {
 public:
  DifferentialSequence(TextBuffer& reference, Subject& subject, Encoding encoding, unsigned seed)
      : reference_(reference),
        subject_(subject),
        pieces_(DifferentialPieces(encoding)),
        keys_(DifferentialKeys(encoding)),
        random_(seed) {}

  // Runs `steps` random operations; the log names them for a failure report.
  void Run(int steps) {
    for (int step = 0; step < steps; ++step) {
      Apply();
      if (::testing::Test::HasFailure()) return;
    }
  }
  std::string Log() const { return log_.str(); }

 private:
  int Pick(std::size_t below) { return std::uniform_int_distribution<int>(0, static_cast<int>(below) - 1)(random_); }

  std::string Piece() {
    std::string s;
    for (int n = Pick(4); n >= 0; --n) s += pieces_[Pick(pieces_.size())];
    return s;
  }

  template <typename F>
  void Both(const char* what, F&& operation) {
    log_ << what << ' ';
    operation(static_cast<EditBuffer&>(reference_));
    operation(subject_.Buffer());
    Compare();
  }

  void Type(const std::string& key) {
    log_ << "type ";
    reference_.Type(key);
    subject_.Type(key);
    Compare();
  }

  // A few keys' text at once, Enter not among them.
  void Commit() {
    std::string text;
    for (int n = Pick(3); n >= 0; --n) text += keys_[Pick(keys_.size() - 1)];
    log_ << "commit ";
    reference_.Type(text);
    subject_.Commit(text);
    Compare();
  }

  void Apply() {
    const int length = static_cast<int>(reference_.Text().size());
    switch (Pick(12)) {
      case 0:
        return Type(keys_[Pick(keys_.size())]);
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
        const int line = Pick(reference_.Lines().Count() + 2) - 1;
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
    EditBuffer& tested = subject_.Buffer();
    ASSERT_EQ(tested.Text(), reference_.Text()) << Log();
    subject_.CheckShown(reference_.Text());
    ASSERT_FALSE(::testing::Test::HasFailure()) << Log();
    ASSERT_EQ(tested.SelStart(), reference_.SelStart()) << Log();
    ASSERT_EQ(tested.SelLength(), reference_.SelLength()) << Log();
    ASSERT_EQ(tested.Modified(), reference_.Modified()) << Log();
    ASSERT_EQ(tested.Lines().Count(), reference_.Lines().Count()) << Log();
  }

  TextBuffer& reference_;
  Subject& subject_;
  const std::vector<std::string> pieces_, keys_;
  std::mt19937 random_;
  std::ostringstream log_;
};

// `sequences` seeded sequences of 24 steps in `encoding`, each on a fresh
// reference and a fresh subject from `make`, which both start as the text
// "x", selected and on the clipboard.
template <typename Subject, typename Make>
void RunDifferentialSequences(int sequences, Encoding encoding, Make make) {
  for (unsigned seed = 1; seed <= static_cast<unsigned>(sequences); ++seed) {
    MemoryClipboard clipboard;
    TextBuffer reference(clipboard);
    auto subject = make();
    reference.Load("", encoding);
    subject->Buffer().Load("", encoding);
    for (EditBuffer* b : {static_cast<EditBuffer*>(&reference), &subject->Buffer()}) {
      b->SetSelText("x");
      b->SelectAll();
      b->CopyToClipboard();
    }
    DifferentialSequence<Subject> sequence(reference, *subject, encoding, seed);
    sequence.Run(24);
    ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed;
  }
}

}  // namespace zumoku::test
