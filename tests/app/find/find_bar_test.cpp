// The "検索" menu and the find bar, driven by component names and keys.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/find/find_bar.h"
#include "app/find/long_pass.h"
#include "form_test.h"

namespace zumoku::test {
namespace {

class FindBarTest : public FormTest {
 protected:
  FindBar* bar() { return form.findChild<FindBar*>(QStringLiteral("FindBar")); }
  template <typename Widget>
  Widget* Part(const char* name) {
    auto* widget = form.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void SetSearch(const QString& text) { Part<QComboBox>("FindText")->setEditText(text); }
  std::pair<int, int> Selection() { return {form.Buffer().SelStart(), form.Buffer().SelLength()}; }
  void ShowActive() {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

// Ctrl+F takes the selection as the search text; Enter, F3, Shift+F3 and
// Shift+Enter step through the matches, wrapping at either end.
TEST_F(FindBarTest, KeysStepThroughMatchesAndWrap) {
  ShowActive();
  form.Buffer().Load("ab x ab x ab", Encoding::kShiftJis);
  form.Buffer().SetSelLength(2);
  QTest::keyClick(form.memo1, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(bar()->isVisible());
  EXPECT_EQ(Part<QComboBox>("FindText")->currentText(), QStringLiteral("ab"));
  // Keys go where a window system sends them: to the focus widget.
  QWidget* box = QApplication::focusWidget();
  ASSERT_EQ(box, Part<QComboBox>("FindText"));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::pair<int, int> selection;
    QString status;
  } steps[] = {
      {Qt::Key_Return, {}, {5, 2}, ""},
      {Qt::Key_F3, {}, {10, 2}, ""},
      {Qt::Key_F3, {}, {0, 2}, QStringLiteral("文書の先頭から検索しました")},
      {Qt::Key_F3, Qt::ShiftModifier, {10, 2}, QStringLiteral("文書の末尾から検索しました")},
      {Qt::Key_Return, Qt::ShiftModifier, {5, 2}, ""},
  };
  for (const auto& step : steps) {
    QTest::keyClick(box, step.key, step.modifiers);
    EXPECT_EQ(Selection(), step.selection) << step.key;
    EXPECT_EQ(form.StatusPanelText(0), step.status) << step.key;
  }
  QTest::keyClick(form.memo1, Qt::Key_H, Qt::ControlModifier);  // not the editor's own key
  EXPECT_TRUE(Part<QLineEdit>("ReplaceText")->isVisible());
  EXPECT_EQ(form.Buffer().Text(), "ab x ab x ab");
}

// A selection over a line end is not taken as the search text; a line end
// pasted into the box finds one.
TEST_F(FindBarTest, LineEndsInTheSearchText) {
  ShowActive();
  form.Buffer().Load("ab\r\ncd", Encoding::kShiftJis);
  form.Buffer().SelectAll();
  Trigger("Find1");
  EXPECT_EQ(Part<QComboBox>("FindText")->currentText(), QString());
  QApplication::clipboard()->setText(QStringLiteral("b\nc"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  form.Buffer().SetSelStart(0);
  Trigger("FindNext1");
  EXPECT_EQ(Selection(), std::make_pair(1, 4));
}

TEST_F(FindBarTest, NoMatchSaysSoAndKeepsTheSelection) {
  form.Buffer().Load("abc", Encoding::kShiftJis);
  form.Buffer().SetSelStart(1);
  Trigger("Find1");
  SetSearch(QStringLiteral("表"));
  Trigger("FindNext1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("「表」は見つかりませんでした"));
  EXPECT_EQ(Selection(), std::make_pair(1, 0));
}

// Bytes that are no character, a ソ whose second byte is "\" and a
// duplicate code must come back exactly.
const std::string kRaw = "\x80\\a\x83\x5C\\b\r\n\xFF\\\xED\x40\\";

TEST_F(FindBarTest, ReplaceSelectedMatchThenFindNext) {
  form.Buffer().Load(kRaw, Encoding::kShiftJis);
  Trigger("Replace1");
  SetSearch(QStringLiteral("\\"));
  Part<QLineEdit>("ReplaceText")->setText(QStringLiteral("/"));
  Part<QPushButton>("ReplaceButton")->click();  // nothing selected yet: finds the first
  EXPECT_EQ(Selection(), std::make_pair(1, 1));
  EXPECT_EQ(form.Buffer().Text(), kRaw);
  Part<QPushButton>("ReplaceButton")->click();
  EXPECT_EQ(form.Buffer().Text(), "\x80/a\x83\x5C\\b\r\n\xFF\\\xED\x40\\");
  EXPECT_EQ(Selection(), std::make_pair(5, 1));
}

TEST_F(FindBarTest, ReplaceAllIsOneUndoStep) {
  form.Buffer().Load(kRaw, Encoding::kShiftJis);
  Trigger("Replace1");
  SetSearch(QStringLiteral("\\"));
  Part<QLineEdit>("ReplaceText")->setText(QStringLiteral("￥"));
  Part<QPushButton>("ReplaceAllButton")->click();
  EXPECT_EQ(form.Buffer().Text(),
            "\x80\x81\x8F"
            "a\x83\x5C\x81\x8F"
            "b\r\n\xFF\x81\x8F\xED\x40\x81\x8F");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("4 件置換しました"));
  Trigger("N4");
  EXPECT_EQ(form.Buffer().Text(), kRaw);
}

TEST_F(FindBarTest, ReplaceAllInSelectionOnlyKeepsItSelected) {
  form.Buffer().Load("a a a a", Encoding::kShiftJis);
  form.Buffer().SetSelStart(2);
  form.Buffer().SetSelLength(3);
  Trigger("Replace1");
  SetSearch(QStringLiteral("a"));
  Part<QLineEdit>("ReplaceText")->setText(QStringLiteral("bb"));
  Part<QCheckBox>("InSelection")->setChecked(true);
  Part<QPushButton>("ReplaceAllButton")->click();
  EXPECT_EQ(form.Buffer().Text(), "a bb bb a");
  EXPECT_EQ(Selection(), std::make_pair(2, 5));
}

TEST_F(FindBarTest, RegexGroupsAndErrors) {
  form.Buffer().Load("x1 y2", Encoding::kShiftJis);
  Trigger("Replace1");
  Part<QCheckBox>("RegularExpression")->setChecked(true);
  SetSearch(QStringLiteral("([a-z])("));
  Part<QPushButton>("ReplaceAllButton")->click();
  EXPECT_TRUE(Part<QLabel>("FindError")->text().startsWith(QStringLiteral("正規表現の誤り: ")))
      << Part<QLabel>("FindError")->text().toStdString();
  SetSearch(QStringLiteral("([a-z])(\\d)"));
  Part<QLineEdit>("ReplaceText")->setText(QStringLiteral("\\2\\1"));
  Part<QPushButton>("ReplaceAllButton")->click();
  EXPECT_EQ(form.Buffer().Text(), "1x 2y");
  EXPECT_TRUE(Part<QLabel>("FindError")->text().isEmpty());
}

// 25 x: past the regular expression library's limit, though "w" matches.
TEST_F(FindBarTest, TooComplexRegexIsAnErrorNotANoMatch) {
  form.Buffer().Load(std::string(25, 'x') + "w", Encoding::kShiftJis);
  Trigger("Find1");
  Part<QCheckBox>("RegularExpression")->setChecked(true);
  SetSearch(QStringLiteral("(x+x+)+y|w"));
  Trigger("FindNext1");
  const QString message = QStringLiteral("正規表現が複雑すぎるため検索を中止しました");
  EXPECT_EQ(Part<QLabel>("FindError")->text(), message);
  EXPECT_EQ(form.StatusPanelText(0), message);
}

// Each match of this pattern reads to the end of the text: the pass would
// take hours, and キャンセル stops it with nothing changed.
TEST_F(FindBarTest, LongReplaceAllCanBeCancelled) {
  std::string text;
  while (text.size() < kLongPassBytes) text += std::string(60, 'a') + "\r\n";
  form.Buffer().Load(text, Encoding::kShiftJis);
  Trigger("Replace1");
  Part<QCheckBox>("RegularExpression")->setChecked(true);
  SetSearch(QStringLiteral("a(?=[^z]*\\n)"));
  Part<QLineEdit>("ReplaceText")->setText(QStringLiteral("b"));
  QTimer whenShown;  // the dialog shows once the pass has taken a moment
  QObject::connect(&whenShown, &QTimer::timeout, [&] {
    auto* progress = form.findChild<QProgressDialog*>(QStringLiteral("LongPassProgress"));
    if (progress == nullptr || !progress->isVisible()) return;
    whenShown.stop();
    EXPECT_EQ(progress->labelText(), QStringLiteral("すべて置換しています…"));
    progress->findChild<QPushButton*>()->click();
  });
  whenShown.start(20);
  Part<QPushButton>("ReplaceAllButton")->click();
  EXPECT_EQ(form.Buffer().Text(), text);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("すべて置換をキャンセルしました"));
}

TEST_F(FindBarTest, BoxesRefuseTextShiftJisCannotHold) {
  Trigger("Replace1");
  for (QLineEdit* box : {Part<QComboBox>("FindText")->lineEdit(), Part<QLineEdit>("ReplaceText")}) {
    box->clear();
    QTest::keyClick(box, Qt::Key_A);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(box, &accented);
    EXPECT_EQ(box->text(), QStringLiteral("a"));
    EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("Shift_JISで表せない文字は入力できません"));
  }
}

TEST_F(FindBarTest, KeepsTheLastTenSearchTexts) {
  form.Buffer().Load("text", Encoding::kShiftJis);
  Trigger("Find1");
  for (int n = 0; n < 12; ++n) {
    SetSearch(QString::number(n % 11));
    Trigger("FindNext1");
  }
  QComboBox* box = Part<QComboBox>("FindText");
  ASSERT_EQ(box->count(), 10);
  EXPECT_EQ(box->itemText(0), QStringLiteral("0"));
  EXPECT_EQ(box->itemText(1), QStringLiteral("10"));
  EXPECT_EQ(box->itemText(9), QStringLiteral("2"));
}

// The history is offered in the list; typing never takes an entry from it.
TEST_F(FindBarTest, TypedTextIsNotCompletedFromTheHistory) {
  ShowActive();
  form.Buffer().Load("\\section{a}", Encoding::kShiftJis);
  Trigger("Find1");
  SetSearch(QStringLiteral("\\section{a}"));
  Trigger("FindNext1");
  QComboBox* box = Part<QComboBox>("FindText");
  box->clearEditText();
  QTest::keyClicks(QApplication::focusWidget(), "\\s");
  EXPECT_EQ(box->currentText(), QStringLiteral("\\s"));
}

TEST_F(FindBarTest, MarksMatchesInViewWhileOpen) {
  const auto Marks = [&] { return form.memo1->Marks(MarkLayer::kFindMatches); };
  ShowActive();
  form.Buffer().Load(
      "ab\x83\x5C"
      "ab\r\nab",
      Encoding::kShiftJis);
  Trigger("Find1");
  SetSearch(QStringLiteral("AB"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Marks().size() == 3; }));
  EXPECT_EQ(Marks(), (std::vector<ByteRange>{{0, 2}, {4, 6}, {8, 10}}));  // ソ is two bytes, the line end two
  form.memo1->SetCaretOffset(form.Buffer().Text().size());
  QTest::keyClicks(form.memo1, "ab");  // the marks step aside while typing and come back
  ASSERT_TRUE(QTest::qWaitFor([&] { return Marks().size() == 4; }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(bar()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Marks().empty(); }));
}

// Opening a file clears the editor while the marks' cursors point into it.
TEST_F(FindBarTest, OpeningFilesWhileMatchesAreMarked) {
  const auto Marks = [&] { return form.memo1->Marks(MarkLayer::kFindMatches).size(); };
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("a.tex"));
  const struct {
    const char* way;
    std::string bytes;
    std::function<void()> open;
  } ways[] = {
      {"drop", "ab ab ab\r\nab\r\n", [&] { form.DropFiles({path}); }},
      {"recent file", "x ab", [&] { Trigger("RecentFile1"); }},
      {"reopen", "ab ab x", [&] { Trigger("ReopenShiftJis1"); }},
      {"drop again", "ab", [&] { form.DropFiles({path}); }},
  };
  ShowActive();
  Trigger("Find1");
  QTest::keyClicks(QApplication::focusWidget(), "ab");
  for (const auto& way : ways) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(way.bytes.data(), static_cast<qint64>(way.bytes.size()));
    file.close();
    way.open();
    ASSERT_EQ(form.Buffer().Text(), way.bytes) << way.way;
    const auto count = static_cast<std::size_t>(std::count(way.bytes.begin(), way.bytes.end(), 'a'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Marks() == count; })) << way.way;
  }
}

}  // namespace
}  // namespace zumoku::test
