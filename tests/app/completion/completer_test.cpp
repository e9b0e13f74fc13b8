#include "app/completion/completer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "app/completion/completion_list.h"
#include "app/completion/memo_completion_host.h"
#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"

namespace zumoku {
namespace {

using completion::Entry;

class CompletionInEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    auto words = std::make_shared<completion::WordSet>();
    words->commands = {Entry("section", "{}"), Entry("subsection", "{}"), Entry("selectfont"), Entry("西暦"),
                       Entry("emoji😀")};
    words->commands.push_back(Entry("item"));
    words->commands.push_back(Entry("itemize"));
    words->labels = {Entry("fig:a", {}, "実験の結果", "main.tex:3")};
    words->citations = {Entry("knuth", {}, "Knuth (1984)")};
    words->Finish();
    completer.SetWords(words);
    memo.show();
    memo.setFocus();
  }
  // Typed character by character; past ASCII as a key that carries its text.
  void Type(const QString& keys) {
    for (const QChar c : keys) {
      QKeyEvent press(QEvent::KeyPress, c.unicode() < 0x80 ? QTest::asciiToKey(c.toLatin1()) : Qt::Key_unknown,
                      Qt::NoModifier, QString(c));
      QApplication::sendEvent(&memo, &press);
      QCoreApplication::processEvents();
    }
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&memo, key, modifiers);
    QCoreApplication::processEvents();
  }
  bool Shown() { return completer.List().isVisible(); }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    CompletionRows& model = completer.List().Rows();
    for (int i = 0; i < model.rowCount(); ++i) rows.push_back(model.Row(i)->word);
    return rows;
  }

  Memo memo;
  MemoBuffer buffer{memo};
  MemoCompletionHost* host = new MemoCompletionHost(memo);
  Completer completer{*host, buffer};
};

TEST_F(CompletionInEditor, OpensFiltersAndTakesAsOneUndoStep) {
  Type(QStringLiteral("\\s"));
  EXPECT_FALSE(Shown());
  Type(QStringLiteral("e"));
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"section", "selectfont", "subsection"}));
  Type(QStringLiteral("c"));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"section", "subsection"}));
  EXPECT_EQ(buffer.Text(), "\\sec");  // the list never changes the text
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(buffer.Text(), "\\subsection{}");
  EXPECT_EQ(buffer.SelStart(), 12);
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), "\\sec");
}

TEST_F(CompletionInEditor, KeysWhileTheListIsOpen) {
  const struct {
    const char* name;
    std::vector<Qt::Key> keys;
    std::string expected;
    bool shown;
  } rows[] = {
      {"TabTakes", {Qt::Key_Tab}, "\\section{}", false},
      {"EscCloses", {Qt::Key_Escape}, "\\sec", false},
      {"SpaceClosesAndIsTyped", {Qt::Key_Space}, "\\sec ", false},
      {"PageDownStopsAtTheLast", {Qt::Key_PageDown, Qt::Key_Enter}, "\\subsection{}", false},
      {"UpStopsAtTheFirst", {Qt::Key_Up, Qt::Key_Enter}, "\\section{}", false},
      {"BackspaceFollows", {Qt::Key_Backspace}, "\\se", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    buffer.Clear();
    Type(QStringLiteral("\\sec"));
    for (Qt::Key key : row.keys) Key(key);
    EXPECT_EQ(buffer.Text(), row.expected);
    EXPECT_EQ(Shown(), row.shown);
  }
}

TEST_F(CompletionInEditor, AfterTakingTheListStaysClosed) {
  const struct {
    const char* name;
    QString typed;
    std::string expected;
  } rows[] = {
      {"CitationStillInsideItsBraces", QStringLiteral("\\cite{kn"), "\\cite{knuth}"},
      {"EnterAfterAWordTypedInFullEndsTheLine", QStringLiteral("\\item"), "\\item\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    buffer.Clear();
    Type(row.typed);
    ASSERT_TRUE(Shown());
    Key(Qt::Key_Return);
    EXPECT_EQ(buffer.Text(), row.expected);
    EXPECT_FALSE(Shown());
  }
}

TEST_F(CompletionInEditor, ClickTakes) {
  Type(QStringLiteral("\\sec"));
  CompletionList& list = completer.List();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.Rows().index(1)).center());
  QCoreApplication::processEvents();
  EXPECT_EQ(buffer.Text(), "\\subsection{}");
}

TEST_F(CompletionInEditor, NoListWhileComposingOrSwitchedOff) {
  Type(QStringLiteral("\\sec"));
  QInputMethodEvent composing(QStringLiteral("せ"), {});
  QApplication::sendEvent(&memo, &composing);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Shown());
  QInputMethodEvent cancelled;
  QApplication::sendEvent(&memo, &cancelled);

  buffer.Clear();
  completer.SetEnabled(false);
  Type(QStringLiteral("\\sec"));
  EXPECT_FALSE(Shown());
  Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_FALSE(Shown());

  buffer.Clear();
  completer.SetEnabled(true);
  completer.SetCommandLetters(4);
  Type(QStringLiteral("\\sec"));
  EXPECT_FALSE(Shown());
  Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(buffer.Text(), "\\sec");
}

TEST_F(CompletionInEditor, TakingWritesTheDocumentsEncoding) {
  completer.SetCommandLetters(1);
  Type(QStringLiteral("\\西"));
  ASSERT_TRUE(Shown());
  Key(Qt::Key_Return);
  EXPECT_EQ(buffer.Text(), "\\\x90\xBC\x97\xEF");
  buffer.Clear();
  Type(QStringLiteral("\\emo"));  // a word Shift_JIS cannot hold is not offered
  EXPECT_FALSE(Shown());
}

TEST_F(CompletionInEditor, AClosingBraceAlreadyThereIsNotWrittenAgain) {
  buffer.SetSelText("\\ref{}");
  buffer.SetSelStart(5);
  Type(QStringLiteral("結果"));  // the label's Japanese text finds it
  ASSERT_EQ(Rows(), std::vector<std::string>{"fig:a"});
  Key(Qt::Key_Return);
  const std::string expected = "\\ref{fig:a}";
  EXPECT_EQ(buffer.Text(), expected);
  EXPECT_EQ(buffer.SelStart(), static_cast<int>(expected.size()));
}

}  // namespace
}  // namespace zumoku
