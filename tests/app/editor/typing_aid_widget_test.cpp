#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include "app/mainwindow/main_window.h"
#include "sjis_text.h"

namespace zumoku::test {

class TypingAidInEditor : public ::testing::Test {
 protected:
  TForm1 form;
  Memo* memo() { return form.memo1; }
  QString Text() { return memo()->toPlainText(); }
  void Type(const QString& keys) { QTest::keyClicks(memo(), keys); }
  void Compose(const QString& preedit, const QString& commit = {}) {
    QInputMethodEvent event(preedit, {});
    if (!commit.isEmpty()) event.setCommitString(commit);
    QApplication::sendEvent(memo(), &event);
  }
};

TEST_F(TypingAidInEditor, OpeningCharactersGetTheirBraceWithTheCaretInside) {
  for (const bool math : {false, true}) {
    if (math) form.N44Click();
    for (const auto& [typed, expected] : {std::pair{"{", "{}"}, std::pair{"^", "^{}"}, std::pair{"_", "_{}"}}) {
      form.Buffer().Clear();
      Type(QString::fromLatin1(typed));
      EXPECT_EQ(Text(), QLatin1String(expected)) << typed;
      EXPECT_EQ(memo()->CaretOffset(), std::string(expected).size() - 1) << typed;
      EXPECT_EQ(form.Buffer().SelLength(), 0) << typed;
    }
  }
  form.Buffer().Clear();
  Type(QStringLiteral("x^2"));
  EXPECT_EQ(Text(), QStringLiteral("x^{2}"));
}

TEST_F(TypingAidInEditor, SelectionIsReplacedAndTheClosingBraceIsNotSpecial) {
  Type(QStringLiteral("abc"));
  memo()->selectAll();
  Type(QStringLiteral("{"));
  EXPECT_EQ(Text(), QStringLiteral("{}"));
  Type(QStringLiteral("}"));
  EXPECT_EQ(Text(), QStringLiteral("{}}"));
  QKeyEvent katakana(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ア"));
  QApplication::sendEvent(memo(), &katakana);  // double-byte characters pass untouched
  EXPECT_EQ(Text(), QStringLiteral("{}ア}"));
}

TEST_F(TypingAidInEditor, PasteAndCommandsAreNotCompleted) {
  QApplication::clipboard()->setText(QStringLiteral("{^_"));
  form.Paste2Click();
  EXPECT_EQ(Text(), QStringLiteral("{^_"));
  form.Buffer().SetSelText("{");
  EXPECT_EQ(Text(), QStringLiteral("{^_{"));
}

TEST_F(TypingAidInEditor, InputMethodCompositionWorksAsBefore) {
  Type(QStringLiteral("a"));
  Compose(QStringLiteral("かんじ"));
  EXPECT_EQ(Text(), QStringLiteral("a"));  // the preedit is shown, not stored
  Compose(QString(), QStringLiteral("漢字"));
  EXPECT_EQ(Text(), QStringLiteral("a漢字"));
  // A brace committed by the input method is text, not a keystroke.
  Compose(QStringLiteral("{"));
  Compose(QString(), QStringLiteral("{"));
  EXPECT_EQ(Text(), QStringLiteral("a漢字{"));
  Type(QStringLiteral("{"));
  EXPECT_EQ(Text(), QStringLiteral("a漢字{{}"));
}

}  // namespace zumoku::test
