#include "app/tform5.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "math/matrix.h"
#include "modal.h"
#include "app/tform1.h"
#include "app/up_down.h"

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

void Click(QWidget* dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }
}  // namespace

class MatrixDialog : public ::testing::Test {
 protected:
  MatrixDialog() {
    form.Buffer().SetSelText(kPreamble + kBody + "old" + kEnd);
    form.Buffer().SetSelStart(static_cast<int>((kPreamble + kBody).size()));
    form.Buffer().SetSelLength(3);
  }
  // Opens the dialog from the formula menu and lets `act` answer it.
  void Open(const std::function<void(TForm5*)>& act) {
    WhenModal<TForm5>(act);
    form.findChild<QAction*>(QStringLiteral("N42"))->trigger();
  }
  std::string WithMatrix(const std::string& matrix) {
    return kPreamble + "\\usepackage{amsmath}\r\n" + kBody + matrix + kEnd;
  }
  std::string Untouched() { return kPreamble + kBody + "old" + kEnd; }

  TForm1 form;
};

TEST_F(MatrixDialog, OpensWithItsLayout) {
  Open([](TForm5* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("行列の設定"));
    EXPECT_EQ(dialog->size(), QSize(310, 134));
    const struct {
      const char* name;
      QRect geometry;
    } places[] = {{"RadioGroup1", {3, 7, 302, 73}}, {"Label1", {24, 87, 236, 12}}, {"Edit1", {21, 81, 61, 20}},
                  {"UpDown1", {82, 81, 15, 20}},    {"Edit2", {138, 81, 52, 20}},  {"UpDown2", {190, 81, 15, 20}},
                  {"Button1", {207, 105, 100, 25}}, {"Button2", {3, 108, 82, 25}}};
    for (const auto& place : places) EXPECT_EQ(Child<QWidget>(dialog, place.name)->geometry(), place.geometry);
    QStringList items;
    for (const QRadioButton* item : dialog->findChildren<QRadioButton*>()) items << item->text();
    EXPECT_EQ(items, QStringList({QStringLiteral("…"), QStringLiteral("|…|"), QStringLiteral("(…)"),
                                  QStringLiteral("||…||"), QStringLiteral("[…]"), QStringLiteral("{…}"),
                                  QStringLiteral("{…case")}));
    EXPECT_TRUE(dialog->findChildren<QRadioButton*>().at(2)->isChecked());
    // Column by column: two items a column, the seventh alone in the fourth.
    const auto buttons = dialog->findChildren<QRadioButton*>();
    EXPECT_EQ(buttons.at(0)->x(), buttons.at(1)->x());
    EXPECT_LT(buttons.at(1)->x(), buttons.at(2)->x());
    EXPECT_LT(buttons.at(4)->x(), buttons.at(6)->x());
    EXPECT_EQ(Child<QLabel>(dialog, "Label1")->text(),
              QString(10, u'　') + u'行' + QString(12, u'　') + QStringLiteral("列の行列"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("2"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "Edit2")->text(), QStringLiteral("2"));
    EXPECT_EQ(Child<QPushButton>(dialog, "Button1")->text(), QStringLiteral("OK"));
    EXPECT_FALSE(Child<QPushButton>(dialog, "Button1")->isDefault());
    EXPECT_EQ(Child<QPushButton>(dialog, "Button2")->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    dialog->close();
  });
}

TEST_F(MatrixDialog, DefaultAnswerInsertsATwoByTwoPmatrix) {
  bool closed = false;
  Open([&](TForm5* dialog) {
    Click(dialog, "Button1");
    closed = !dialog->isVisible();
  });
  EXPECT_TRUE(closed);
  EXPECT_EQ(form.Buffer().Text(),
            WithMatrix("\\begin{pmatrix}\r\n    1 & 2 \\\\\r\n    1 & 2 \r\n\\end{pmatrix}\r\n"));
}

TEST_F(MatrixDialog, ChosenSizeAndBracketKind) {
  const struct {
    QString rows, columns;
    int item;
    std::string expected;
  } answers[] = {{QStringLiteral("1"), QStringLiteral("1"), 2, "\\begin{pmatrix}\r\n    1 \r\n\\end{pmatrix}\r\n"},
                 {QStringLiteral("+3"), QStringLiteral("2"), 6, math::BuildMatrix(3, 2, "cases")},
                 {QStringLiteral("100"), QStringLiteral("100"), 0, math::BuildMatrix(100, 100, "matrix")}};
  for (const auto& answer : answers) {
    form.Buffer().SelectAll();
    form.Buffer().SetSelText(Untouched());
    form.Buffer().SetSelStart(static_cast<int>((kPreamble + kBody).size()));
    form.Buffer().SetSelLength(3);
    Open([&](TForm5* dialog) {
      SetSizes(dialog, answer.rows, answer.columns);
      dialog->findChildren<QRadioButton*>().at(answer.item)->click();
      Click(dialog, "Button1");
    });
    EXPECT_EQ(form.Buffer().Text(), WithMatrix(answer.expected)) << answer.rows.toStdString();
  }
}

TEST_F(MatrixDialog, BadSizesAreRefusedAndTheDialogStaysOpen) {
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
    Open([&](TForm5* dialog) {
      SetSizes(dialog, answer.rows, answer.columns);
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        message = box->text();
        box->accept();
      });
      Click(dialog, "Button1");
      stayedOpen = dialog->isVisible();
      rowsAfter = Child<QLineEdit>(dialog, "Edit1")->text();
      dialog->close();
    });
    EXPECT_EQ(message, answer.message);
    EXPECT_TRUE(stayedOpen) << answer.message.toStdString();
    EXPECT_EQ(rowsAfter, answer.rows);
    EXPECT_EQ(form.Buffer().Text(), Untouched());
  }
}

TEST_F(MatrixDialog, CloseBoxAndCancelInsertNothing) {
  Open([](TForm5* dialog) { dialog->close(); });
  EXPECT_EQ(form.Buffer().Text(), Untouched());
  bool closed = false;
  Open([&](TForm5* dialog) {
    Click(dialog, "Button2");
    closed = !dialog->isVisible();
  });
  EXPECT_TRUE(closed);
  EXPECT_EQ(form.Buffer().Text(), Untouched());
}

TEST_F(MatrixDialog, ArrowsStepWithinOneToAHundred) {
  Open([](TForm5* dialog) {
    auto* rows = Child<QLineEdit>(dialog, "Edit1");
    auto* arrows = Child<UpDown>(dialog, "UpDown1");
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
    dialog->close();
  });
}

}  // namespace zumoku::test
