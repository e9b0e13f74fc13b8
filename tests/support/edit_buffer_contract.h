#pragma once
// One contract for every EditBuffer: the reference TextBuffer and the
// MemoBuffer over the real widget must behave alike, byte for byte.
// A fixture F provides Buffer(), SetClipboard(bytes), ClipboardText() and
// Type(bytes) (the user typing over the selection).
#include <gtest/gtest.h>

#include "buffer/edit_buffer.h"
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
      {"a\r\r\nb", "a\r\nb"},        {"a\r\nb", "a\r\nb"},     {"a\rb", "a\r\nb"},
      {"a\nb", "a\r\nb"},            {"a\n\rb", "a\r\n\r\nb"}, {"a\r\r\r\nb", "a\r\n\r\nb"},
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
  const struct {
    std::string text, after;
  } rows[] = {{"abc", "abc\r\nx"}, {"abc\r\n", "abc\r\nx\r\n"}, {"", "x\r\n"}};
  for (const auto& row : rows) {
    this->SetText("");
    this->buffer().Clear();
    this->buffer().SetSelText(row.text);
    this->buffer().SetSelStart(0);
    this->buffer().Lines().Add("x");
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
  this->buffer().Undo();
  EXPECT_EQ(this->buffer().Text(), "");
}

TYPED_TEST_P(EditBufferContract, CommandsEmptyTheUndoHistory) {
  this->fixture.Type("abc");
  this->buffer().SelectAll();
  this->buffer().SetSelText("\\textbf{abc}");
  this->buffer().Undo();
  EXPECT_EQ(this->buffer().Text(), "\\textbf{abc}");
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
  this->buffer().Load("a\r\r\nb\nc\rd" + invalid);
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

REGISTER_TYPED_TEST_SUITE_P(EditBufferContract, EmptyTextHasNoLinesAndNoSelection,
                            SelTextWriteReplacesSelectionAndLeavesCaretAfterIt, PositionsCountBytes,
                            SplitCharactersMoveToBoundaries, StartThenLengthSelectsButLengthThenStartDoesNot,
                            InsertedLineEndsBecomeCrLf, CaretAfterInsertionCountsStoredLineEnds, LinesCountAndGet,
                            LinesAdd, LinesPut, UpdatesNestWithoutChangingText, ClearEmptiesAndResetsModified,
                            UndoTakesBackUserEditsOneByOne, CommandsEmptyTheUndoHistory, ClipboardOperations,
                            PastedCrCrLfIsOneLineEnd,
                            LoadUsesTheLoadedLineEndRuleAndKeepsEveryByte,
                            InvalidBytesSurviveCommandsAndSelections);

}  // namespace zumoku::test
