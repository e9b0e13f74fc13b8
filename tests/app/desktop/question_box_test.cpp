#include "app/desktop/question_box.h"

#include <gtest/gtest.h>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "modal_script.h"
#include "row_name.h"

namespace zumoku::test {

TEST(QuestionBox, HasTheProgramsCaptionIconAndButtons) {
  ModalScript script({[](QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("情報"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->text(), QStringLiteral("a.texは更新されています。保存しますか？"));
    QStringList captions;
    for (QAbstractButton* button : box->buttons()) captions << button->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("はい(&Y)"));
    box->reject();
  }});
  AskQuestion(nullptr, QStringLiteral("a.texは更新されています。保存しますか？"));
}

struct AnswerRow {
  const char* name;
  std::function<void(QDialog*)> act;
  Answer answer;
};

void PrintTo(const AnswerRow& row, std::ostream* out) { *out << row.name; }

class QuestionBoxAnswers : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(QuestionBoxAnswers, AreToldApart) {
  ModalScript script({GetParam().act});
  EXPECT_EQ(AskQuestion(nullptr, QStringLiteral("q")), GetParam().answer);
}

// A question whose Yes loses work: Enter answers No; the rest is alike.
TEST(QuestionBox, EnterAnswersNoWhereNoIsTheDefault) {
  ModalScript script({[](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }});
  EXPECT_EQ(AskQuestion(nullptr, QStringLiteral("q"), Answer::kNo), Answer::kNo);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QuestionBoxAnswers,
    ::testing::Values(AnswerRow{"EnterTakesTheDefaultYes", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); },
                                Answer::kYes},
                      AnswerRow{"EscapeAnswersNo", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, Answer::kNo},
                      AnswerRow{"ClickNo", Clicking(QStringLiteral("いいえ(&N)")), Answer::kNo},
                      AnswerRow{"CloseButtonIsNeither", [](QDialog* d) { d->close(); }, Answer::kClosed}),
    RowName());

struct CancelRow {
  const char* name;
  std::function<void(QDialog*)> act;
  UnsavedAnswer answer;
};

void PrintTo(const CancelRow& row, std::ostream* out) { *out << row.name; }

class QuestionWithCancel : public ::testing::TestWithParam<CancelRow> {};

TEST_P(QuestionWithCancel, EscAndTheCloseButtonCancel) {
  QStringList captions;
  ModalScript script({[&](QDialog* dialog) {
    for (QAbstractButton* button : qobject_cast<QMessageBox*>(dialog)->buttons()) captions << button->text();
    GetParam().act(dialog);
  }});
  EXPECT_EQ(AskQuestionWithCancel(nullptr, QStringLiteral("q")), GetParam().answer);
  captions.sort();  // the platform decides the buttons' order
  QStringList expected{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")};
  expected.sort();
  EXPECT_EQ(captions, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QuestionWithCancel,
    ::testing::Values(CancelRow{"EnterTakesTheDefaultYes", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); },
                                UnsavedAnswer::kYes},
                      CancelRow{"ClickNo", Clicking(QStringLiteral("いいえ(&N)")), UnsavedAnswer::kNo},
                      CancelRow{"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); },
                                UnsavedAnswer::kCancel},
                      CancelRow{"CloseButton", [](QDialog* d) { d->close(); }, UnsavedAnswer::kCancel}),
    RowName());

// A path is shown as it is, never as markup.
TEST(QuestionBox, ShowsItsTextPlain) {
  for (const auto ask : {+[](const QString& q) { AskQuestion(nullptr, q); },
                         +[](const QString& q) { AskQuestionWithCancel(nullptr, q); }}) {
    ModalScript script({[](QDialog* dialog) {
      EXPECT_EQ(qobject_cast<QMessageBox*>(dialog)->textFormat(), Qt::PlainText);
      dialog->close();
    }});
    ask(QStringLiteral("/d/<i>a.texは更新されています。保存しますか？"));
  }
}

}  // namespace zumoku::test
