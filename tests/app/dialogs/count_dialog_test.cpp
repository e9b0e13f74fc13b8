#include "app/dialogs/count_dialog.h"

#include <QMessageBox>
#include <QTest>

#include "component_table.h"
#include "form_test.h"
#include "modal.h"

namespace zumoku::test {

using TextMenuTest = FormTest;

namespace {
const std::string kItem = "        \\item \r\n";

// Answers the count dialog that the next command opens: types `count`,
// ticks the box when asked, and presses OK.
void AnswerCount(const QString& count, bool tick = false) {
  WhenModal<TForm2>([count, tick](TForm2* dialog) {
    dialog->Edit1->setText(count);
    if (tick) dialog->CheckBox1->setChecked(true);
    dialog->Button1->click();
  });
}

void CloseCountDialog() {
  WhenModal<TForm2>([](TForm2* dialog) { dialog->close(); });
}
}  // namespace

TEST(CountDialog, OpensWithItsComponentsAndDefaults) {
  TForm2 dialog(nullptr);
  EXPECT_EQ(dialog.objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("箇条書きの設定"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  ExpectComponents(dialog, {{"Label1", QStringLiteral("予め、いくつ「\\item」を表示しますか？（以降、追加の際は手入力を"
                                                      "お願い致します。）")},
                            {"Edit1", QStringLiteral("4")},
                            {"UpDown1", {}},
                            {"CheckBox1", QStringLiteral("見出しの直後に改行を入れる")},
                            {"Button1", QStringLiteral("OK")}});
  EXPECT_FALSE(dialog.CheckBox1->isChecked());
  EXPECT_FALSE(dialog.CheckBox1->isEnabled());
  // The close box is no cancel: the tooltip says so and names the way back.
  EXPECT_TRUE(dialog.toolTip().contains(QStringLiteral("前回の数"))) << dialog.toolTip().toStdString();
  EXPECT_TRUE(dialog.toolTip().contains(QStringLiteral("Ctrl+Z"))) << dialog.toolTip().toStdString();
  EXPECT_TRUE(dialog.Button1->isDefault());
}

TEST(CountDialog, ArrowsStepTheNumberWithinZeroToHundred) {
  TForm2 dialog(nullptr);
  QTest::keyClick(dialog.Edit1, Qt::Key_Up);
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("5"));
  dialog.UpDown1->StepDown();
  dialog.UpDown1->StepDown();
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("3"));
  dialog.Edit1->setText(QStringLiteral("100"));
  QTest::keyClick(dialog.Edit1, Qt::Key_Up);
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("100"));
  dialog.Edit1->setText(QStringLiteral("0"));
  QTest::keyClick(dialog.Edit1, Qt::Key_Down);
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("0"));
  // A typed number beyond the range is brought back into it.
  dialog.Edit1->setText(QStringLiteral("500"));
  dialog.UpDown1->StepDown();
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("99"));
}

TEST(CountDialog, EnterPressesOk) {
  TForm2 dialog(nullptr);
  int result = -1;
  QTimer::singleShot(0, [&] { QTest::keyClick(dialog.Edit1, Qt::Key_Return); });
  result = dialog.exec();
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog.ItemCount(), 4);
}

TEST_F(TextMenuTest, EscDoesNothingInTheCountDialog) {
  form.ItemCount = 2;
  Select("keep");
  bool stayedOpen = false;
  WhenModal<TForm2>([&](TForm2* dialog) {
    QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Escape);
    stayedOpen = dialog->isVisible();
    dialog->Edit1->setText(QStringLiteral("1"));
    dialog->Button1->click();
  });
  ChooseInPopupMenu1("itemize1");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(form.Buffer().Text(), "\\begin{itemize}\r\n" + kItem + "\\end{itemize}\r\n");
}

TEST_F(TextMenuTest, DefaultAnswerGivesFourItems) {
  Select("old");
  AnswerCount(QStringLiteral("4"));
  ChooseInPopupMenu1("itemize1");
  EXPECT_EQ(form.Buffer().Text(), "\\begin{itemize}\r\n" + kItem + kItem + kItem + kItem + "\\end{itemize}\r\n");
  EXPECT_EQ(form.ItemCount, 4);
}

TEST_F(TextMenuTest, CloseBoxKeepsTheLastAnswer) {
  Select("");
  CloseCountDialog();
  ChooseInPopupMenu1("itemize1");
  EXPECT_EQ(form.Buffer().Text(), "\\begin{itemize}\r\n\\end{itemize}\r\n");
  Select("x");
  CloseCountDialog();
  ChooseInPopupMenu1("item1");
  EXPECT_EQ(form.Buffer().Text(), "");

  Select("");
  AnswerCount(QStringLiteral("2"), true);
  ChooseInPopupMenu1("description1");
  EXPECT_EQ(form.Buffer().Text(),
            "\\begin{description}\r\n        \\item[ ] \\mbox{} \\\\ \r\n"
            "        \\item[ ] \\mbox{} \\\\ \r\n\\end{description}\r\n");
  Select("");
  CloseCountDialog();
  ChooseInPopupMenu1("item2");
  EXPECT_EQ(form.Buffer().Text(), "        \\item[ ] \\mbox{} \\\\\r\n        \\item[ ] \\mbox{} \\\\\r\n");
  EXPECT_TRUE(form.HeadingLineBreak);
  Select("");
  AnswerCount(QStringLiteral("1"));
  ChooseInPopupMenu1("itemize1");
  EXPECT_FALSE(form.HeadingLineBreak);
}

TEST_F(TextMenuTest, CheckBoxIsOfferedForHeadingListsOnly) {
  const struct {
    const char* name;
    bool enabled;
  } rows[] = {{"itemize1", false}, {"enumerate1", false}, {"description1", true}, {"item1", false},
              {"item2", true},     {"N20", false},        {"N21", false}};
  for (const auto& row : rows) {
    bool enabled = !row.enabled;
    WhenModal<TForm2>([&](TForm2* dialog) {
      enabled = dialog->CheckBox1->isEnabled();
      dialog->close();
    });
    ChooseInPopupMenu1(row.name);
    EXPECT_EQ(enabled, row.enabled) << row.name;
  }
}

TEST_F(TextMenuTest, NumbersThatCannotBeUsedAreReportedAndTheDialogStays) {
  const struct {
    QString typed, message;
  } rows[] = {
      {QStringLiteral("abc"), QStringLiteral("'abc' は整数ではありません.")},
      {QString(), QStringLiteral("'' は整数ではありません.")},
      {QStringLiteral("1.5"), QStringLiteral("'1.5' は整数ではありません.")},
      {QStringLiteral("99999999999"), QStringLiteral("'99999999999' は整数ではありません.")},
      {QStringLiteral("2000000000"), QStringLiteral("'2000000000' は大きすぎます。10000 以下の数を指定してください.")}};
  for (const auto& row : rows) {
    form.ItemCount = 3;
    QString shown, caption;
    bool stayedOpen = false;
    WhenModal<TForm2>([&](TForm2* dialog) {
      dialog->Edit1->setText(row.typed);
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->close();
      });
      dialog->Button1->click();
      stayedOpen = dialog->isVisible();
      dialog->close();
    });
    Select("");
    ChooseInPopupMenu1("N21");
    EXPECT_EQ(shown, row.message);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(form.ItemCount, 3);
    EXPECT_EQ(form.Buffer().Text(), "~~~");
  }
}

TEST_F(TextMenuTest, NegativeAndZeroCountsGiveNoRepeats) {
  Select("sel");
  AnswerCount(QStringLiteral("-5"));
  ChooseInPopupMenu1("itemize1");
  EXPECT_EQ(form.Buffer().Text(), "\\begin{itemize}\r\n\\end{itemize}\r\n");
  EXPECT_EQ(form.ItemCount, -5);
  Select("sel");
  AnswerCount(QStringLiteral("0"));
  ChooseInPopupMenu1("N20");
  EXPECT_EQ(form.Buffer().Text(), " ");
}

TEST_F(TextMenuTest, SpaceDialogIsRelabelledAndSharesTheCount) {
  QString title, label;
  WhenModal<TForm2>([&](TForm2* dialog) {
    title = dialog->windowTitle();
    label = dialog->Label1->text();
    dialog->Button1->click();
  });
  Select("abc");
  ChooseInPopupMenu1("N20");
  EXPECT_EQ(title, QStringLiteral("空白の個数の設定"));
  EXPECT_EQ(label, QStringLiteral("空白の数を指定してください。"));
  EXPECT_EQ(form.Buffer().Text(), " \\ \\ \\ \\ ");

  Select("");
  AnswerCount(QStringLiteral("7"));
  ChooseInPopupMenu1("enumerate1");
  Select("x");
  CloseCountDialog();
  ChooseInPopupMenu1("N21");
  EXPECT_EQ(form.Buffer().Text(), "~~~~~~~");
}

}  // namespace zumoku::test
