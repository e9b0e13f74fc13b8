// memo1 as a LaTeX reader: colours for the shown blocks, line numbers,
// bracket partners, zoom; the main window's caret panel, "行へ移動..." and
// the title's mark of unsaved changes.
#include <gtest/gtest.h>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "app/editor/caret_marks.h"
#include "app/editor/line_number_margin.h"
#include "form_test.h"
#include "modal_script.h"
#include "row_name.h"
#include "shown_caption.h"

namespace zumoku::test {
namespace {

class ReadingAids : public FormTest {
 protected:
  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void SetText(const QString& text) {
    form.memo1->setPlainText(text);
    form.Buffer().SetModified(false);
  }
  QTextBlock Block(int number) const { return form.memo1->document()->findBlockByNumber(number); }
  void PutCaret(int block, int column) {
    QTextCursor caret(Block(block));
    caret.setPosition(Block(block).position() + column);
    form.memo1->setTextCursor(caret);
  }
  // Paints the viewport now, which colours what it shows.
  void Paint() { form.memo1->viewport()->repaint(); }
  bool Coloured(int block) const { return !Block(block).layout()->formats().isEmpty(); }
  QString Panel(int index) const {
    return form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(index))->text();
  }
};

QString Lines(int count) { return QStringLiteral("\\section{a}\n").repeated(count - 1) + QStringLiteral("x"); }

TEST_F(ReadingAids, MarginWidthFollowsTheDigitsOfTheLastLineNumber) {
  auto* margin = form.findChild<LineNumberMargin*>(QStringLiteral("LineNumberMargin"));
  ASSERT_NE(margin, nullptr);
  std::map<int, int> widthByLines;
  for (const int lines : {1, 9, 10, 99, 100}) {
    SetText(Lines(lines));
    widthByLines[lines] = margin->width();
    EXPECT_GE(form.memo1->viewport()->x(), margin->width()) << lines << " lines: the text starts right of the margin";
  }
  EXPECT_EQ(widthByLines[1], widthByLines[9]);
  EXPECT_EQ(widthByLines[10], widthByLines[99]);
  EXPECT_LT(widthByLines[9], widthByLines[10]);
  EXPECT_LT(widthByLines[99], widthByLines[100]);
}

// At the window's first size the margin used to keep the height of the
// editor before its first layout and showed the first number only.
TEST_F(ReadingAids, MarginSpansTheTextAtTheFirstSize) {
  auto* margin = form.findChild<LineNumberMargin*>(QStringLiteral("LineNumberMargin"));
  EXPECT_EQ(margin->height(), form.memo1->viewport()->height());
}

TEST_F(ReadingAids, OnlyTheShownBlocksAreColouredAndNoTextChanges) {
  SetText(Lines(2000));
  Paint();
  EXPECT_TRUE(Coloured(0));
  EXPECT_FALSE(Coloured(1999));
  EXPECT_FALSE(form.Buffer().Modified());
  EXPECT_FALSE(form.memo1->document()->isUndoAvailable());
}

TEST_F(ReadingAids, AnEditCarriesTheNewStateToTheLinesAfterIt) {
  SetText(QStringLiteral("a\nb\nc"));
  Paint();
  EXPECT_FALSE(Coloured(2));
  PutCaret(0, 0);
  QTest::keyClicks(form.memo1, QStringLiteral("$$"));
  Paint();
  EXPECT_TRUE(Coloured(1));
  EXPECT_TRUE(Coloured(2));
  QTest::keyClick(form.memo1, Qt::Key_Backspace);
  QTest::keyClick(form.memo1, Qt::Key_Backspace);
  Paint();
  EXPECT_FALSE(Coloured(2));
}

// Opening a file clears the editor while an edit's new state still waits to
// be carried on: the wait must not hold a cursor that the clearing frees.
TEST_F(ReadingAids, OpeningAFileWhileTheNewStateWaitsToBeCarriedOn) {
  SetText(Lines(3000));
  Paint();
  QApplication::processEvents();
  PutCaret(10, 0);
  QTest::keyClicks(form.memo1, QStringLiteral("$"));  // waits for the idle steps
  form.Buffer().Load("$a\r\nb\r\nc", Encoding::kShiftJis);
  QTest::keyClicks(form.memo1, QStringLiteral("x"));
  Paint();
  QApplication::processEvents();
  EXPECT_TRUE(Coloured(2));
}

struct GoToRow {
  const char* name;
  QString entry;
  int line;  // 0: the entry is refused and the caret stays
  QString refusal = {};
};

const QString kLineRange = QStringLiteral("1 から 300 の行番号を入力してください");

class GoToLine : public ReadingAids, public ::testing::WithParamInterface<GoToRow> {};

TEST_P(GoToLine, CtrlGMovesTheCaretToTheLineStartOrRefusesTheEntry) {
  SetText(Lines(300));
  PutCaret(1, 3);
  const GoToRow& row = GetParam();
  std::deque<ModalScript::Step> steps{[&](QDialog* dialog) {
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "no resize handle under it";
    static_cast<QInputDialog*>(dialog)->setTextValue(row.entry);
    dialog->accept();
  }};
  if (row.line == 0) {
    steps.push_back([&](QDialog* dialog) {
      EXPECT_EQ(static_cast<QMessageBox*>(dialog)->text(), row.refusal + u'.');
      dialog->accept();
    });
  }
  {
    ModalScript script(std::move(steps));
    QTest::keyClick(form.memo1, Qt::Key_G, Qt::ControlModifier);
  }
  const int line = form.memo1->CaretLine();
  EXPECT_EQ(line, row.line == 0 ? 1 : row.line - 1);
  EXPECT_EQ(form.memo1->CaretOffset() - form.memo1->LineSpan(line).from, row.line == 0 ? 3u : 0u);
  if (row.line == 0) return;
  const QRect shown = form.memo1->viewport()->geometry();
  EXPECT_TRUE(shown.contains(form.memo1->CaretRect())) << "the line is scrolled into view";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, GoToLine,
    ::testing::Values(GoToRow{"FirstLine", QStringLiteral("1"), 1}, GoToRow{"LastLine", QStringLiteral("300"), 300},
                      GoToRow{"Zero", QStringLiteral("0"), 0, kLineRange},
                      GoToRow{"PastTheEnd", QStringLiteral("301"), 0, kLineRange},
                      GoToRow{"NotANumber", QStringLiteral("十"), 0, QStringLiteral("'十' は整数ではありません")}),
    RowName());

TEST_F(ReadingAids, CaretPanelFollowsTheCaretInCharacters) {
  form.Buffer().Load("ab\r\n\xE8\xA1\xA8\xF0\x9F\x98\x80x\r\nc", Encoding::kUtf8);  // 表😀x, only UTF-8 holds 😀
  const struct {
    int block, position;
    QString shown;
  } rows[] = {
      {0, 0, QStringLiteral("1 行 1 桁")},
      {0, 2, QStringLiteral("1 行 3 桁")},
      {1, 3, QStringLiteral("2 行 3 桁")},  // a surrogate pair is one character
      {2, 1, QStringLiteral("3 行 2 桁")},
  };
  for (const auto& row : rows) {
    PutCaret(row.block, row.position);
    EXPECT_EQ(Panel(2), row.shown);
  }
  QTest::keyClick(form.memo1, Qt::Key_Up);
  EXPECT_EQ(Panel(2), QStringLiteral("2 行 2 桁"));
}

// Select-all moves the caret to the end without the widget saying so.
TEST_F(ReadingAids, CaretPanelAndLineFollowEveryWayOfSelectingAll) {
  const std::function<void(TForm1&)> ways[] = {
      [](TForm1& form) { QTest::keyClick(form.memo1, Qt::Key_A, Qt::ControlModifier); },
      [](TForm1& form) { form.findChild<QAction*>(QStringLiteral("N37"))->trigger(); },
  };
  for (const auto& selectAll : ways) {
    SetText(QStringLiteral("ab\ncd\nxyz"));
    PutCaret(0, 1);
    selectAll(form);
    EXPECT_EQ(Panel(2), QStringLiteral("3 行 4 桁"));
    EXPECT_EQ(form.memo1->Marks(MarkLayer::kCaretLine), (std::vector<ByteRange>{{11, 11}}))
        << "the caret's line is marked";
  }
}

TEST_F(ReadingAids, TitleMarkFollowsModified) {
  SetText(QString());
  EXPECT_FALSE(form.isWindowModified());
  QTest::keyClicks(form.memo1, QStringLiteral("a"));
  EXPECT_TRUE(form.isWindowModified());
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku*"));
  form.Buffer().SetModified(false);
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku"));
}

// Saving marks the text clean; undo and redo pass through that state.
TEST_F(ReadingAids, TitleMarkFollowsUndoAndRedoThroughTheSavedText) {
  SetText(QString());
  QTest::keyClicks(form.memo1, QStringLiteral("ab"));
  form.Buffer().SetModified(false);  // as saving does
  QTest::keyClicks(form.memo1, QStringLiteral("c"));
  const struct {
    QKeyCombination key;
    const char* text;
    bool modified;
  } rows[] = {
      {Qt::CTRL | Qt::Key_Z, "ab", false},
      {Qt::CTRL | Qt::Key_Y, "abc", true},
      {Qt::CTRL | Qt::Key_Z, "ab", false},
      {Qt::CTRL | Qt::Key_Z, "", true},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "ab", false},
  };
  for (const auto& row : rows) {
    QTest::keyClick(form.memo1, row.key.key(), row.key.keyboardModifiers());
    EXPECT_EQ(form.Buffer().Text(), row.text);
    EXPECT_EQ(form.Buffer().Modified(), row.modified) << row.text;
    EXPECT_EQ(ShownCaption(form), row.modified ? QStringLiteral("Zumoku*") : QStringLiteral("Zumoku")) << row.text;
  }
}

TEST_F(ReadingAids, ZoomChangesOnlyTheEditorsFontSize) {
  const QFont restored = form.memo1->font();
  const QFont window = form.font();
  const auto size = [&] { return QFontInfo(form.memo1->font()).pixelSize(); };
  const int start = size();
  QTest::keyClick(form.memo1, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_GT(size(), start);
  QTest::keyClick(form.memo1, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(form.memo1, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_LT(size(), start);
  QWheelEvent wheel(QPointF(5, 5), form.memo1->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                    QPoint(0, 2 * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(form.memo1->viewport(), &wheel);
  EXPECT_GT(size(), start);
  QTest::keyClick(form.memo1, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(form.memo1->font(), restored);
  EXPECT_EQ(form.font(), window);
  EXPECT_EQ(form.Buffer().Text(), "") << "no key reached the text";
}

TEST_F(ReadingAids, CaretMarksTheBracketBesideItAndItsPartner) {
  SetText(QStringLiteral("\\frac{a}{b}"));
  const auto marked = [&] { return form.memo1->Marks(MarkLayer::kBraces); };
  PutCaret(0, 5);  // before "{a}"
  EXPECT_EQ(marked(), (std::vector<ByteRange>{{5, 6}, {7, 8}}));
  PutCaret(0, 11);  // after "{b}"
  EXPECT_EQ(marked(), (std::vector<ByteRange>{{10, 11}, {8, 9}}));
  PutCaret(0, 2);
  EXPECT_EQ(marked(), std::vector<ByteRange>{});
}

TEST(MatchingBrace, NestsAndGivesUpPastTheLimit) {
  const QString far(kBraceSearchLimit - 1, u'x');
  const struct {
    const char* name;
    QString text;
    int at;
    std::optional<int> partner;
  } rows[] = {
      {"Nested", QStringLiteral("{[(a)]{}}"), 0, 8},
      {"Backwards", QStringLiteral("{[(a)]{}}"), 5, 1},
      {"Unmatched", QStringLiteral("{a"), 0, std::nullopt},
      {"NoBracket", QStringLiteral("a}"), 0, std::nullopt},
      {"AtTheLimit", u'{' + far + u'}', 0, kBraceSearchLimit},
      {"PastTheLimit", u'{' + far + u'x' + u'}', 0, std::nullopt},
  };
  for (const auto& row : rows) {
    QTextDocument document(row.text);
    EXPECT_EQ(MatchingBrace(document, row.at), row.partner) << row.name;
  }
}

}  // namespace
}  // namespace zumoku::test
