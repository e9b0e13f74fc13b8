#include "app/dialogs/matrix_dialog.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include "app/mainwindow/main_window.h"
#include "app/widgets/up_down.h"
#include "click.h"
#include "component_table.h"
#include "math/matrix.h"
#include "modal.h"
#include "selected_text.h"

namespace zumoku::test {

namespace {
const std::string kPreamble = "\\documentclass{jsarticle}\r\n";
const std::string kBody = "\\begin{document}\r\n";
const std::string kEnd = "\r\n\\end{document}\r\n";

template <typename W>
W* Child(QWidget* dialog, const char* name) {
  auto* child = dialog->findChild<W*>(QLatin1String(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void SetSizes(QWidget* dialog, const QString& rows, const QString& columns) {
  Child<QLineEdit>(dialog, "Edit1")->setText(rows);
  Child<QLineEdit>(dialog, "Edit2")->setText(columns);
}

}  // namespace

// Shows the dialog modally and lets `act` answer it; the result of exec().
int RunDialog(TForm5& dialog, const std::function<void(TForm5*)>& act) {
  WhenModal<TForm5>(act);
  return dialog.exec();
}

TEST(MatrixDialog, OpensWithItsComponentsAndDefaults) {
  TForm5 dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("行列の設定"));
  ExpectComponents(dialog, {{"RadioGroup1", QStringLiteral("行列の括弧の種類")},
                            {"Label1", QString(10, u'　') + u'行' + QString(12, u'　') + QStringLiteral("列の行列")},
                            {"Edit1", QStringLiteral("2")},
                            {"UpDown1", {}},
                            {"Edit2", QStringLiteral("2")},
                            {"UpDown2", {}},
                            {"Button1", QStringLiteral("OK")},
                            {"Button2", QStringLiteral("キャンセル")}});
  QStringList items;
  for (const QRadioButton* item : dialog.findChildren<QRadioButton*>()) items << item->text();
  EXPECT_EQ(items,
            QStringList({QStringLiteral("…"), QStringLiteral("|…|"), QStringLiteral("(…)"), QStringLiteral("||…||"),
                         QStringLiteral("[…]"), QStringLiteral("{…}"), QStringLiteral("{…case")}));
  EXPECT_TRUE(dialog.findChildren<QRadioButton*>().at(2)->isChecked());
  // Column by column: two items a column, the seventh alone in the fourth.
  dialog.show();
  const auto buttons = dialog.findChildren<QRadioButton*>();
  EXPECT_EQ(buttons.at(0)->x(), buttons.at(1)->x());
  EXPECT_LT(buttons.at(1)->x(), buttons.at(2)->x());
  EXPECT_LT(buttons.at(4)->x(), buttons.at(6)->x());
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(MatrixDialog, OkGivesTheChosenSizeAndBracketKind) {
  const struct {
    QString rows, columns;
    int item;  // -1: the default item
    int rowCount, columnCount;
    std::string_view environment;
  } answers[] = {{QStringLiteral("2"), QStringLiteral("2"), -1, 2, 2, "pmatrix"},
                 {QStringLiteral("1"), QStringLiteral("1"), 2, 1, 1, "pmatrix"},
                 {QStringLiteral("+3"), QStringLiteral("2"), 6, 3, 2, "cases"},
                 {QStringLiteral("100"), QStringLiteral("100"), 0, 100, 100, "matrix"}};
  for (const auto& answer : answers) {
    TForm5 dialog(nullptr);
    const int result = RunDialog(dialog, [&](TForm5* shown) {
      SetSizes(shown, answer.rows, answer.columns);
      if (answer.item >= 0) shown->findChildren<QRadioButton*>().at(answer.item)->click();
      Click(shown, "Button1");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.RowCount(), answer.rowCount);
    EXPECT_EQ(dialog.ColumnCount(), answer.columnCount);
    EXPECT_EQ(dialog.BracketEnvironment(), answer.environment);
  }
}

// Keys go where the dialog puts the focus: the rows field, its "2" selected;
// Enter there answers OK.
TEST(MatrixDialog, TypingARowCountAndEnterAnswerOk) {
  TForm5 dialog(nullptr);
  const int result = RunDialog(dialog, [](TForm5* shown) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, Child<QLineEdit>(shown, "Edit1"));
    QTest::keyClicks(focus, QStringLiteral("3"));
    QTest::keyClick(focus, Qt::Key_Return);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog.RowCount(), 3);
  EXPECT_EQ(dialog.ColumnCount(), 2);
}

TEST(MatrixDialog, BadSizesAreRefusedAndTheDialogStaysOpen) {
  const struct {
    QString rows, columns, message;
  } answers[] = {
      {QStringLiteral("abc"), QStringLiteral("2"), QStringLiteral("'abc' は整数ではありません.")},
      {QStringLiteral("2"), QStringLiteral("x"), QStringLiteral("'x' は整数ではありません.")},
      // Rows are read first.
      {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("'a' は整数ではありません.")},
      {QString(), QStringLiteral("2"), QStringLiteral("'' は整数ではありません.")},
      {QStringLiteral("2147483648"), QStringLiteral("2"), QStringLiteral("'2147483648' は整数ではありません.")},
      {QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("行数は1から100までの数で指定してください.")},
      {QStringLiteral("2"), QStringLiteral("101"), QStringLiteral("列数は1から100までの数で指定してください.")},
      {QStringLiteral("2"), QStringLiteral("-2"), QStringLiteral("列数は1から100までの数で指定してください.")},
  };
  for (const auto& answer : answers) {
    QString message;
    bool stayedOpen = false;
    QString rowsAfter;
    TForm5 dialog(nullptr);
    const int result = RunDialog(dialog, [&](TForm5* shown) {
      SetSizes(shown, answer.rows, answer.columns);
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        message = box->text();
        box->accept();
      });
      Click(shown, "Button1");
      stayedOpen = shown->isVisible();
      rowsAfter = Child<QLineEdit>(shown, "Edit1")->text();
      shown->close();
    });
    EXPECT_EQ(message, answer.message);
    EXPECT_TRUE(stayedOpen) << answer.message.toStdString();
    EXPECT_EQ(rowsAfter, answer.rows);
    EXPECT_EQ(result, QDialog::Rejected);
  }
}

TEST(MatrixDialog, CloseBoxAndCancelGiveNoAnswer) {
  TForm5 closed(nullptr);
  EXPECT_EQ(RunDialog(closed, [](TForm5* shown) { shown->close(); }), QDialog::Rejected);
  TForm5 cancelled(nullptr);
  EXPECT_EQ(RunDialog(cancelled, [](TForm5* shown) { Click(shown, "Button2"); }), QDialog::Rejected);
  EXPECT_FALSE(cancelled.isVisible());
}

TEST(MatrixDialog, ArrowsStepWithinOneToAHundred) {
  TForm5 dialog(nullptr);
  auto* rows = Child<QLineEdit>(&dialog, "Edit1");
  auto* arrows = Child<UpDown>(&dialog, "UpDown1");
  arrows->StepUp();
  EXPECT_EQ(rows->text(), QStringLiteral("3"));
  rows->setText(QStringLiteral("100"));
  arrows->StepUp();
  EXPECT_EQ(rows->text(), QStringLiteral("100"));
  rows->setText(QStringLiteral("1"));
  arrows->StepDown();
  EXPECT_EQ(rows->text(), QStringLiteral("1"));
  rows->setText(QStringLiteral("abc"));  // steps from the last number shown
  arrows->StepDown();
  EXPECT_EQ(rows->text(), QStringLiteral("1"));
}

// The matrix command inserts the dialog's answer in place of the selection,
// with the package line; without an answer the text stays.
TEST(MatrixCommand, InsertsTheAnswerOrNothing) {
  TForm1 form;
  const std::string untouched = kPreamble + kBody + "old" + kEnd;
  const auto run = [&](const std::function<void(TForm5*)>& act) {
    SetTextAndSelection(form.Buffer(), kPreamble + kBody, "old", kEnd);
    WhenModal<TForm5>(act);
    form.findChild<QAction*>(QStringLiteral("N42"))->trigger();
    return form.Buffer().Text();
  };
  EXPECT_EQ(run([](TForm5* shown) { Click(shown, "Button2"); }), untouched);
  EXPECT_EQ(run([](TForm5* shown) {
              SetSizes(shown, QStringLiteral("3"), QStringLiteral("2"));
              shown->findChildren<QRadioButton*>().at(6)->click();
              Click(shown, "Button1");
            }),
            kPreamble + "\\usepackage{amsmath}\r\n" + kBody + math::BuildMatrix(3, 2, "cases") + kEnd);
}

}  // namespace zumoku::test
