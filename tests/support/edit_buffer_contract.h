#pragma once
// One contract for every EditBuffer: the reference TextBuffer and the
// MemoBuffer over the real widget must behave alike, byte for byte.
// A fixture F provides Buffer(), SetClipboard(bytes), ClipboardText() and
// Type(bytes) (the user typing over the selection).
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "buffer/edit_buffer.h"
#include "buffer/literal.h"
#include "edit_model.h"
#include "sjis_text.h"

namespace zumoku::test {

template <typename F>
class EditBufferContract : public ::testing::Test {
 protected:
  F fixture;
  EditBuffer& buffer() { return fixture.Buffer(); }
  void SetText(std::string_view s) {
    buffer().Clear();
    buffer().SetSelText(s);
    buffer().SetModified(false);
  }
  void Select(int start, int length) {
    buffer().SetSelStart(start);
    buffer().SetSelLength(length);
  }
};

TYPED_TEST_SUITE_P(EditBufferContract);

TYPED_TEST_P(EditBufferContract, EmptyTextHasNoLinesAndNoSelection) {
  EditBuffer& b = this->buffer();
  EXPECT_EQ(b.Lines().Count(), 0);
  EXPECT_EQ(b.Lines().Get(0), "");
  EXPECT_EQ(b.SelText(), "");
  b.SelectAll();
  EXPECT_EQ(b.SelStart(), 0);
  EXPECT_EQ(b.SelLength(), 0);
  EXPECT_FALSE(b.Modified());
}

TYPED_TEST_P(EditBufferContract, SelTextWriteReplacesSelectionAndLeavesCaretAfterIt) {
  this->SetText("hello world");
  this->Select(6, 5);
  EXPECT_EQ(this->buffer().SelText(), "world");
  this->buffer().SetSelText(S("世界"));
  EXPECT_EQ(this->buffer().Text(), "hello " + S("世界"));
  EXPECT_EQ(this->buffer().SelStart(), 10);
  EXPECT_EQ(this->buffer().SelLength(), 0);
  EXPECT_TRUE(this->buffer().Modified());
}

TYPED_TEST_P(EditBufferContract, PositionsCountBytes) {
  this->SetText(S("漢字か\r\nabc"));
  this->Select(0, 6);
  EXPECT_EQ(this->buffer().SelText(), S("漢字か"));
  this->Select(4, 5);
  EXPECT_EQ(this->buffer().SelText(), S("か\r\na"));
  EXPECT_EQ(this->buffer().SelLength(), 5);
  this->buffer().SelectAll();
  EXPECT_EQ(this->buffer().SelLength(), 11);
}

TYPED_TEST_P(EditBufferContract, SplitCharactersMoveToBoundaries) {
  this->SetText(S("漢字\r\nx"));
  this->buffer().SetSelStart(1);  // inside 漢
  EXPECT_EQ(this->buffer().SelStart(), 0);
  this->buffer().SetSelLength(3);  // would end inside 字
  EXPECT_EQ(this->buffer().SelLength(), 4);
  this->buffer().SetSelStart(5);  // between CR and LF
  EXPECT_EQ(this->buffer().SelStart(), 4);
  this->buffer().SetSelLength(1);  // would end between CR and LF
  EXPECT_EQ(this->buffer().SelText(), "\r\n");
  this->buffer().SetSelStart(100);
  EXPECT_EQ(this->buffer().SelStart(), 7);
  this->buffer().SetSelStart(-3);
  EXPECT_EQ(this->buffer().SelStart(), 0);
}

TYPED_TEST_P(EditBufferContract, StartThenLengthSelectsButLengthThenStartDoesNot) {
  this->SetText("abcdef");
  this->Select(2, 3);
  EXPECT_EQ(this->buffer().SelText(), "cde");
  this->buffer().SetSelLength(2);
  this->buffer().SetSelStart(1);
  EXPECT_EQ(this->buffer().SelLength(), 0);
  EXPECT_EQ(this->buffer().SelStart(), 1);
}

TYPED_TEST_P(EditBufferContract, InsertedLineEndsBecomeCrLf) {
  const struct {
    std::string in, stored;
  } rows[] = {
      {"a\r\r\nb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\nb", "a\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},
      {"a\r\r\r\nb", "a\r\n\r\nb"},
      {"\\begin{itemize}\r\r\n", "\\begin{itemize}\r\n"},
  };
  for (const auto& row : rows) {
    this->buffer().Clear();
    this->buffer().SetSelText(row.in);
    EXPECT_EQ(this->buffer().Text(), row.stored) << row.in;
    EXPECT_EQ(this->buffer().SelStart(), static_cast<int>(row.stored.size())) << row.in;
  }
}

TYPED_TEST_P(EditBufferContract, CaretAfterInsertionCountsStoredLineEnds) {
  this->SetText("0123456789");
  this->buffer().SetSelStart(10);
  this->buffer().SetSelText("a\rb");
  EXPECT_EQ(this->buffer().SelStart(), 14);
}

TYPED_TEST_P(EditBufferContract, LinesCountAndGet) {
  const struct {
    std::string text;
    int count;
  } rows[] = {{"abc", 1}, {"abc\r\n", 1}, {"abc\r\ndef", 2}, {"\r\n\r\n", 2}, {"a\r\n\r\nb", 3}};
  for (const auto& row : rows) {
    this->buffer().Clear();
    this->buffer().SetSelText(row.text);
    EXPECT_EQ(this->buffer().Lines().Count(), row.count) << row.text;
  }
  EXPECT_EQ(this->buffer().Lines().Get(0), "a");
  EXPECT_EQ(this->buffer().Lines().Get(1), "");
  EXPECT_EQ(this->buffer().Lines().Get(2), "b");
  EXPECT_EQ(this->buffer().Lines().Get(3), "");
  EXPECT_EQ(this->buffer().Lines().Get(-1), "");
}

TYPED_TEST_P(EditBufferContract, LinesAdd) {
  // The added text and its line end are brought to CR LF together.
  const struct {
    std::string text, added, after;
  } rows[] = {{"abc", "x", "abc\r\nx"}, {"abc\r\n", "x", "abc\r\nx\r\n"}, {"", "x", "x\r\n"},
              {"", "a\r", "a\r\n"},     {"", "\n\r", "\r\n\r\n"},         {"b", "\na", "b\r\n\r\na"}};
  for (const auto& row : rows) {
    this->SetText("");
    this->buffer().Clear();
    this->buffer().SetSelText(row.text);
    this->buffer().SetSelStart(0);
    this->buffer().Lines().Add(row.added);
    EXPECT_EQ(this->buffer().Text(), row.after) << row.text;
    EXPECT_EQ(this->buffer().SelStart(), static_cast<int>(row.after.size())) << row.text;
  }
}

TYPED_TEST_P(EditBufferContract, LinesPut) {
  this->SetText("q\r\nz");
  this->buffer().Lines().Put(0, "a\rb");
  EXPECT_EQ(this->buffer().Text(), "a\r\nb\r\nz");
  EXPECT_EQ(this->buffer().SelStart(), 4);
  EXPECT_TRUE(this->buffer().Modified());

  this->SetText("one\r\ntwo\r\nthree");
  this->buffer().Lines().Put(5, "x");
  this->buffer().Lines().Put(3, "x");
  EXPECT_EQ(this->buffer().Text(), "one\r\ntwo\r\nthree");
  EXPECT_FALSE(this->buffer().Modified());
  this->buffer().Lines().Put(1, S("二"));
  EXPECT_EQ(this->buffer().Text(), "one\r\n" + S("二") + "\r\nthree");
}

TYPED_TEST_P(EditBufferContract, UpdatesNestWithoutChangingText) {
  this->SetText("a");
  this->buffer().Lines().BeginUpdate();
  this->buffer().Lines().BeginUpdate();
  this->buffer().Lines().Add("b");
  this->buffer().Lines().EndUpdate();
  this->buffer().Lines().Add("c");
  this->buffer().Lines().EndUpdate();
  this->buffer().Lines().EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(this->buffer().Text(), "a\r\nb\r\nc");
}

TYPED_TEST_P(EditBufferContract, ClearEmptiesAndResetsModified) {
  this->buffer().SetSelText("abc");
  EXPECT_TRUE(this->buffer().Modified());
  this->buffer().Clear();
  EXPECT_EQ(this->buffer().Text(), "");
  EXPECT_FALSE(this->buffer().Modified());
}

TYPED_TEST_P(EditBufferContract, UndoTakesBackUserEditsOneByOne) {
  this->fixture.Type("abc");
  this->buffer().SelectAll();
  this->buffer().CutToClipboard();
  EXPECT_EQ(this->buffer().Text(), "");
  this->buffer().SetModified(false);
  this->buffer().Undo();
  EXPECT_EQ(this->buffer().Text(), "abc");
  EXPECT_TRUE(this->buffer().Modified());
  this->buffer().Undo();  // the typing run, whole
  EXPECT_EQ(this->buffer().Text(), "");
}

// Typing "ab", something else, then "cd": one Undo takes back the second
// run (all of "abcd" when nothing ended the first), a second the first.
TYPED_TEST_P(EditBufferContract, TypingRunsEndAtLineEndsMovesPastesAndCommands) {
  EditBuffer& b = this->buffer();
  const struct {
    const char* name;
    std::function<void()> between;
    std::string afterUndo;
  } rows[] = {
      {"nothing", [] {}, ""},
      {"caret away and back",
       [&] {
         b.SetSelStart(0);
         b.SetSelStart(2);
       },
       "ab"},
      {"selection and back",
       [&] {
         this->Select(0, 2);
         b.SetSelStart(2);
       },
       "ab"},
      {"line end", [&] { this->fixture.Type("\r\n"); }, "ab\r\n"},
      {"paste",
       [&] {
         this->fixture.SetClipboard("P");
         b.PasteFromClipboard();
       },
       "abP"},
      {"command",
       [&] {
         b.BeginUndoStep();
         b.SetSelText("X");
         b.EndUndoStep();
       },
       "abX"},
  };
  for (const auto& row : rows) {
    b.Clear();
    this->fixture.Type("ab");
    row.between();
    this->fixture.Type("cd");
    b.Undo();
    EXPECT_EQ(b.Text(), row.afterUndo) << row.name;
    EXPECT_EQ(b.SelStart(), static_cast<int>(row.afterUndo.size())) << row.name;
    b.Undo();
    b.Undo();
    EXPECT_EQ(b.Text(), "") << row.name;
  }
}

TYPED_TEST_P(EditBufferContract, UndoOfTypingOverASelectionSelectsItAgain) {
  this->SetText("hello");
  this->Select(1, 3);
  this->fixture.Type("xy");
  EXPECT_EQ(this->buffer().Text(), "hxyo");
  this->buffer().Undo();
  EXPECT_EQ(this->buffer().Text(), "hello");
  EXPECT_EQ(this->buffer().SelStart(), 1);
  EXPECT_EQ(this->buffer().SelLength(), 3);
}

TYPED_TEST_P(EditBufferContract, CommandsEmptyTheUndoHistory) {
  this->fixture.Type("abc");
  this->buffer().SelectAll();
  this->buffer().SetSelText("\\textbf{abc}");
  this->buffer().Undo();
  EXPECT_EQ(this->buffer().Text(), "\\textbf{abc}");
}

// A command's writes, SelText and Lines together, are one step: Undo
// brings back the text and the selection, and earlier steps stay.
TYPED_TEST_P(EditBufferContract, CommandStepIsTakenBackWhole) {
  this->fixture.Type("ab");
  this->Select(0, 1);
  EditBuffer& b = this->buffer();
  b.BeginUndoStep();
  b.BeginUndoStep();
  b.SetSelText("\\textbf{a}");
  EXPECT_FALSE(b.EndUndoStep());  // inner
  b.Lines().Add("c");
  b.Lines().Put(0, "x\ry");
  EXPECT_TRUE(b.EndUndoStep());
  EXPECT_EQ(b.Text(), "x\r\ny\r\nc");
  b.SetModified(false);
  b.Undo();
  EXPECT_EQ(b.Text(), "ab");
  EXPECT_EQ(b.SelStart(), 0);
  EXPECT_EQ(b.SelLength(), 1);
  EXPECT_TRUE(b.Modified());
  b.Undo();
  EXPECT_EQ(b.Text(), "");
}

// Inside a command's step, positions already count the step's own writes.
TYPED_TEST_P(EditBufferContract, PositionsInsideAStepFollowItsWrites) {
  for (const std::string start : {"", "ab\r\ncd"}) {
    this->SetText(start);
    EditBuffer& b = this->buffer();
    b.SetSelStart(0);
    b.BeginUndoStep();
    b.SetSelText(S("図\r\nx\r\ny"));
    EXPECT_EQ(b.SelStart(), 8) << start;
    b.Lines().Put(0, "head\r\n" + b.Lines().Get(0));
    const int size = static_cast<int>(b.Text().size());
    b.SetSelStart(size - 1);
    b.SetSelLength(1);
    EXPECT_EQ(b.SelStart(), size - 1) << start;
    EXPECT_EQ(b.SelText(), b.Text().substr(b.Text().size() - 1)) << start;
    b.EndUndoStep();
  }
}

TYPED_TEST_P(EditBufferContract, StepsWithoutWritesOrAfterClearLeaveNoUndo) {
  this->fixture.Type("ab");
  EditBuffer& b = this->buffer();
  b.BeginUndoStep();
  EXPECT_FALSE(b.EndUndoStep());
  b.Undo();
  EXPECT_EQ(b.Text(), "");
  b.BeginUndoStep();  // as New does: a fresh history
  b.Clear();
  b.Lines().Add("x");
  EXPECT_FALSE(b.EndUndoStep());
  b.Undo();
  EXPECT_EQ(b.Text(), "x\r\n");
}

TYPED_TEST_P(EditBufferContract, ClipboardOperations) {
  this->SetText(S("前\r\n後"));
  this->fixture.SetClipboard("keep");
  this->buffer().SetSelStart(2);
  this->buffer().CopyToClipboard();  // nothing selected
  this->buffer().CutToClipboard();
  EXPECT_EQ(this->fixture.ClipboardText(), "keep");
  EXPECT_EQ(this->buffer().Text(), S("前\r\n後"));

  this->Select(0, 4);
  this->buffer().CopyToClipboard();
  EXPECT_EQ(this->fixture.ClipboardText(), S("前\r\n"));
  this->buffer().CutToClipboard();
  EXPECT_EQ(this->buffer().Text(), S("後"));
  EXPECT_TRUE(this->buffer().Modified());

  this->fixture.SetClipboard("x\ny\rz\r\n");
  this->buffer().SetSelStart(2);
  this->buffer().PasteFromClipboard();
  EXPECT_EQ(this->buffer().Text(), S("後") + "x\r\ny\r\nz\r\n");
  EXPECT_EQ(this->buffer().SelStart(), 11);
}

// Pasted text follows the inserted-text rule: CR CR LF is one line end.
TYPED_TEST_P(EditBufferContract, PastedCrCrLfIsOneLineEnd) {
  this->fixture.SetClipboard("a\r\r\nb");
  this->buffer().PasteFromClipboard();
  EXPECT_EQ(this->buffer().Text(), "a\r\nb");
}

TYPED_TEST_P(EditBufferContract, LoadUsesTheLoadedLineEndRuleAndKeepsEveryByte) {
  const std::string invalid = std::string("\x80\xA0\xFD\xFF\x85\x40", 6) + std::string(1, '\0') + "\x81";
  this->buffer().Load("a\r\r\nb\nc\rd" + invalid, Encoding::kShiftJis);
  EXPECT_EQ(this->buffer().Text(), "a\r\n\r\nb\r\nc\r\nd" + invalid);
  EXPECT_EQ(this->buffer().Lines().Count(), 5);
  this->buffer().SelectAll();
  EXPECT_EQ(this->buffer().SelLength(), static_cast<int>(this->buffer().Text().size()));
}

TYPED_TEST_P(EditBufferContract, InvalidBytesSurviveCommandsAndSelections) {
  const std::string invalid("x\x00y\x80\xFF", 5);
  this->SetText(invalid + S("マ"));
  this->Select(1, 4);
  EXPECT_EQ(this->buffer().SelText(), invalid.substr(1, 4));
  this->buffer().SetSelText(this->buffer().SelText());
  EXPECT_EQ(this->buffer().Text(), invalid + S("マ"));
}

// Random edits of every kind, the same on the buffer under test and on the
// plain model: the text, the selection and the line count must stay alike.
// Long documents and many lines make a position index split and merge its
// parts. Keys, input-method commits, lone lead bytes, Modified and the text
// the editor shows are left to the differential test of the two buffers.
template <typename F>
class RandomEdits {
 public:
  RandomEdits(F& fixture, Encoding encoding)
      : fixture_(fixture), b_(fixture.Buffer()), model_(encoding), encoding_(encoding) {
    b_.Load("", encoding);
  }

  const EditModel& Model() const { return model_; }

  // Runs one random step on the buffer and the model; returns its name.
  std::string Step() {
    const std::string text = Lines(Pick(4) == 0 ? 300 : 3), piece = Piece(false);
    const int line = Pick(model_.LineCount() + 2);
    switch (Pick(10)) {
      case 0:
        return Both(
            "Load", [&] { b_.Load(text, encoding_); }, [&] { model_.Load(text); });
      case 1:
        return Select();
      case 2:
        return Type(Piece(true));
      case 3:
        return Both(
            "SelText", [&] { b_.SetSelText(text); }, [&] { model_.SetSelText(text); });
      case 4:
        return Paste();
      case 5:
        return Both(
            "Cut", [&] { b_.CutToClipboard(); }, [&] { model_.Cut(); });
      case 6:
        return Both(
            "Command", [&] { b_.SetSelText("\\textbf{" + b_.SelText() + "}"); },
            [&] { model_.SetSelText("\\textbf{" + model_.SelText() + "}"); });
      case 7:
        return Both(
            "Put", [&] { b_.Lines().Put(line, piece); }, [&] { model_.PutLine(line, piece); });
      case 8:
        return Both(
            "Add", [&] { b_.Lines().Add(piece); }, [&] { model_.AddLine(piece); });
      default:
        return TypeThenUndo();
    }
  }

 private:
  template <typename OnBuffer, typename OnModel>
  std::string Both(const std::string& name, OnBuffer onBuffer, OnModel onModel) {
    onBuffer();
    onModel();
    return name;
  }
  std::string Select() {
    const int start = Pick(static_cast<int>(model_.Text().size()) + 3) - 1, length = Pick(12) - 1;
    b_.SetSelStart(start);
    b_.SetSelLength(length);
    model_.Select(start, length);
    return "Select " + std::to_string(start) + " " + std::to_string(length);
  }
  std::string Type(const std::string& text) {
    // Key by key there, at once here: the same typing run.
    fixture_.Type(text);
    model_.Type(text);
    return "Type";
  }
  std::string Paste() {
    // The clipboard takes only text that Shift_JIS can hold.
    const std::string valid = Piece(true);
    fixture_.SetClipboard(valid + "\r\n" + valid);
    return Both(
        "Paste", [&] { b_.PasteFromClipboard(); }, [&] { model_.Paste(valid + "\r\n" + valid); });
  }
  // Undo right after a command and one typing run, so that the history holds
  // exactly that run; where the caret lands after it is not compared.
  std::string TypeThenUndo() {
    Both(
        "SelText", [&] { b_.SetSelText("u"); }, [&] { model_.SetSelText("u"); });
    Type(Piece(true));
    Both(
        "Undo", [&] { b_.Undo(); }, [&] { model_.Undo(); });
    b_.SetSelStart(0);
    model_.Select(0, 0);
    return "TypeThenUndo";
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  // Typed text is at least one printable character; other text may be
  // empty and may hold bytes that are not Shift_JIS characters.
  std::string Piece(bool typed) {
    const auto L = [this](std::string_view utf8) { return Literal(utf8, encoding_); };
    const std::string pieces[] = {"a",     "xyz",   "\\section{", "}",    L("漢字"),           L("マ"),
                                  L("ｶﾅ"), L("表"), "\x80",       "\xFF", std::string(1, '\0')};
    std::string out;
    for (int n = Pick(4) + (typed ? 1 : 0); n > 0; --n) out += pieces[Pick(typed ? 8 : 11)];
    return out;
  }
  std::string Lines(int most) {
    static const std::string ends[] = {"\r\n", "\r", "\n", "\r\r\n"};
    std::string out = Piece(false);
    for (int n = Pick(most); n > 0; --n) out += ends[Pick(4)] + Piece(false);
    return out;
  }

  F& fixture_;
  EditBuffer& b_;
  EditModel model_;
  Encoding encoding_;
  std::mt19937 random_{20261207};
};

TYPED_TEST_P(EditBufferContract, RandomEditsKeepTextAndSelectionOfThePlainModel) {
  for (const Encoding encoding : {Encoding::kShiftJis, Encoding::kUtf8}) {
    RandomEdits<TypeParam> edits(this->fixture, encoding);
    const EditModel& model = edits.Model();
    const std::string in = encoding == Encoding::kUtf8 ? " (UTF-8)" : " (Shift_JIS)";
    for (int step = 0; step < 400; ++step) {
      const std::string name = edits.Step() + in;
      ASSERT_EQ(this->buffer().Text(), model.Text()) << "step " << step << " " << name;
      ASSERT_EQ(this->buffer().SelStart(), model.SelStart()) << "step " << step << " " << name;
      ASSERT_EQ(this->buffer().SelLength(), model.SelLength()) << "step " << step << " " << name;
      ASSERT_EQ(this->buffer().Lines().Count(), model.LineCount()) << "step " << step << " " << name;
    }
  }
}

// Positions count a UTF-8 document's own bytes, and no position splits one
// of its characters (up to four bytes) or a byte sequence that is none.
TYPED_TEST_P(EditBufferContract, Utf8PositionsCountItsOwnBytes) {
  EditBuffer& b = this->buffer();
  const std::string text =
      "\xE6\xBC\xA2"
      "a\xF0\x9F\x98\x80\xE3\x81x\r\n";  // 漢 a 😀, two invalid bytes, x
  b.Load(text, Encoding::kUtf8);
  this->Select(1, 0);
  EXPECT_EQ(b.SelStart(), 0);
  this->Select(5, 1);  // inside 😀, to its end
  EXPECT_EQ(b.SelStart(), 4);
  EXPECT_EQ(b.SelLength(), 4);
  this->Select(8, 1);  // an invalid byte is a character of its own
  EXPECT_EQ(b.SelText(), "\xE3");
  b.SetSelText(b.SelText() + "\x81");
  b.SelectAll();
  b.SetSelText(b.SelText());
  EXPECT_EQ(b.Text(),
            "\xE6\xBC\xA2"
            "a\xF0\x9F\x98\x80\xE3\x81\x81x\r\n");
  EXPECT_EQ(b.TextEncoding(), Encoding::kUtf8);
}

REGISTER_TYPED_TEST_SUITE_P(EditBufferContract, EmptyTextHasNoLinesAndNoSelection,
                            SelTextWriteReplacesSelectionAndLeavesCaretAfterIt, PositionsCountBytes,
                            SplitCharactersMoveToBoundaries, StartThenLengthSelectsButLengthThenStartDoesNot,
                            InsertedLineEndsBecomeCrLf, CaretAfterInsertionCountsStoredLineEnds, LinesCountAndGet,
                            LinesAdd, LinesPut, UpdatesNestWithoutChangingText, ClearEmptiesAndResetsModified,
                            UndoTakesBackUserEditsOneByOne, TypingRunsEndAtLineEndsMovesPastesAndCommands,
                            UndoOfTypingOverASelectionSelectsItAgain, CommandsEmptyTheUndoHistory,
                            CommandStepIsTakenBackWhole, PositionsInsideAStepFollowItsWrites,
                            StepsWithoutWritesOrAfterClearLeaveNoUndo, ClipboardOperations, PastedCrCrLfIsOneLineEnd,
                            LoadUsesTheLoadedLineEndRuleAndKeepsEveryByte, InvalidBytesSurviveCommandsAndSelections,
                            RandomEditsKeepTextAndSelectionOfThePlainModel, Utf8PositionsCountItsOwnBytes);

}  // namespace zumoku::test
