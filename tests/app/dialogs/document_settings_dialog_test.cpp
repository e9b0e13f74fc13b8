#include "app/dialogs/document_settings_dialog.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>
#include <QTest>

#include "fake_prompts.h"
#include "memory_files.h"
#include "sjis_text.h"

namespace zumoku::test {

using Lines = std::vector<std::string>;

// The dialog over settings files in memory, shown as New shows it.
class Form3 : public ::testing::Test {
 protected:
  MemoryFiles files;
  FakePrompts prompts;
  SettingsFiles settings{files, prompts, "set/"};
  NewDocumentTemplate fields{"old class", "", ""};
  std::unique_ptr<TForm3> dialog;

  Form3() {
    files.files = {{"set/documentclass.txt", "[titlepage]{jsbook}\r\n{jsarticle}\r\n[a4paper]{jsreport}\r\n"},
                   {"set/prinable.txt", "\\usepackage{amsmath}"},
                   {"set/author.txt", S("題\r\n著者\r\n日付\r\n")}};
    dialog = std::make_unique<TForm3>(nullptr, settings, fields, *settings.Load());
    dialog->show();
  }
  QString ClassText() const { return dialog->ComboBox1->currentText(); }
  bool TitleControlsEnabled() const {
    return dialog->Edit1->isEnabled() && dialog->Edit2->isEnabled() && dialog->Edit3->isEnabled() &&
           dialog->CheckBox2->isEnabled();
  }
  // The user picks entry `index` from the list.
  void Pick(int index) {
    dialog->ComboBox1->setCurrentIndex(index > 0 ? index - 1 : 1);
    QTest::keyClick(dialog->ComboBox1, index > 0 ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(dialog->ComboBox1->currentIndex(), index);
  }
  void Type(const QString& classText) {
    dialog->ComboBox1->lineEdit()->clear();
    QTest::keyClicks(dialog->ComboBox1->lineEdit(), classText);
  }
};

TEST_F(Form3, OpensWithEveryControlInItsInitialState) {
  EXPECT_EQ(dialog->objectName(), QStringLiteral("Form3"));
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("文書設定"));
  EXPECT_EQ(dialog->size(), QSize(444, 328));
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
  auto* pages = dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->count(), 1);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("文書設定"));
  const struct {
    const char* name;
    QString caption;
  } labels[] = {{"Label1", QStringLiteral("利用するDocumentClass：")},
                {"Label2", QStringLiteral("その他プリンアブル部に入力する設定")},
                {"Label3", QStringLiteral("タイトル：")},
                {"Label4", QStringLiteral("作者：")},
                {"Label5", QStringLiteral("日付：")}};
  for (const auto& label : labels) {
    auto* widget = dialog->findChild<QLabel*>(QLatin1String(label.name));
    ASSERT_NE(widget, nullptr) << label.name;
    EXPECT_EQ(widget->text(), label.caption);
  }
  EXPECT_EQ(ClassText(), QStringLiteral("{jsarticle}"));
  EXPECT_EQ(dialog->ComboBox1->count(), 3);
  EXPECT_EQ(dialog->ComboBox1->currentIndex(), -1);
  EXPECT_EQ(dialog->Button2->text(), QStringLiteral("<<削除"));
  EXPECT_EQ(dialog->Memo1->toPlainText(), QStringLiteral("\\usepackage{amsmath}\n"));
  EXPECT_EQ(dialog->CheckBox1->text(), QStringLiteral("文書のタイトルを表示・設定する"));
  EXPECT_FALSE(dialog->CheckBox1->isChecked());
  EXPECT_EQ(dialog->GroupBox1->title(),
            QStringLiteral("文書のタイトル設定（タイトル内で改行する場合は「\\\\」を利用）"));
  EXPECT_FALSE(dialog->GroupBox1->isEnabled());
  EXPECT_EQ(dialog->Edit1->text() + dialog->Edit2->text() + dialog->Edit3->text(), QStringLiteral("題著者日付"));
  EXPECT_FALSE(TitleControlsEnabled());
  EXPECT_EQ(dialog->CheckBox2->text(), QStringLiteral("タイトルページを独立させる"));
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_EQ(dialog->Button1->text(), QStringLiteral("OK"));
  // The OK button stands under the page at the bottom right.
  EXPECT_GT(dialog->Button1->geometry().top(), pages->geometry().bottom());
  EXPECT_EQ(dialog->Button1->geometry().right(), pages->geometry().right());
}

TEST_F(Form3, TitleBoxEnablesTheGroupAndTitlePageBoxChangesTheClassText) {
  dialog->CheckBox1->click();
  EXPECT_TRUE(dialog->GroupBox1->isEnabled());
  EXPECT_TRUE(TitleControlsEnabled());
  dialog->CheckBox2->click();
  EXPECT_EQ(ClassText(), QStringLiteral("[titlepage]{jsarticle}"));
  dialog->CheckBox1->click();  // off: nothing else changes
  EXPECT_FALSE(TitleControlsEnabled());
  EXPECT_TRUE(dialog->CheckBox2->isChecked());
  EXPECT_EQ(ClassText(), QStringLiteral("[titlepage]{jsarticle}"));
  dialog->CheckBox1->click();
  dialog->CheckBox2->click();
  EXPECT_EQ(ClassText(), QStringLiteral("{jsarticle}"));
}

TEST_F(Form3, TheUsersClassTextTurnsTheBoxesOnOrTheTitlePageBoxOff) {
  Pick(2);  // "[a4paper]{jsreport}"
  EXPECT_FALSE(dialog->CheckBox1->isChecked());
  Pick(0);  // "[titlepage]{jsbook}"
  EXPECT_TRUE(dialog->CheckBox1->isChecked());
  EXPECT_TRUE(dialog->CheckBox2->isChecked());
  EXPECT_TRUE(TitleControlsEnabled());
  EXPECT_EQ(ClassText(), QStringLiteral("[titlepage]{jsbook}"));

  Type(QStringLiteral("{jsarticle}"));
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  EXPECT_TRUE(dialog->CheckBox1->isChecked());  // never turned off here
  EXPECT_EQ(ClassText(), QStringLiteral("{jsarticle}"));
  Type(QStringLiteral("[a5paper,titlepage]{jsbook}"));
  EXPECT_TRUE(dialog->CheckBox2->isChecked());
  EXPECT_EQ(ClassText(), QStringLiteral("[a5paper,titlepage]{jsbook}"));
}

// The check boxes follow the typing without moving the caret to the end.
TEST_F(Form3, TypingBeforeTheClassKeepsTheCaret) {
  QLineEdit* box = dialog->ComboBox1->lineEdit();
  QTest::keyClick(box, Qt::Key_Home);
  QTest::keyClicks(box, QStringLiteral("[titlepage]"));
  EXPECT_TRUE(dialog->CheckBox2->isChecked());
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClick(box, Qt::Key_Backspace);  // "titlepag" no longer names it
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  QTest::keyClicks(box, QStringLiteral("e]"));
  EXPECT_EQ(ClassText(), QStringLiteral("[titlepage]{jsarticle}"));
  EXPECT_TRUE(dialog->CheckBox2->isChecked());
}

// Qt's editable box picks the entry that matches the text when it loses the
// focus; a class typed by hand is no pick.
TEST_F(Form3, DeleteTakesNoEntryTheUserOnlyTyped) {
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  dialog->ComboBox1->lineEdit()->setFocus();
  Type(QStringLiteral("{jsarticle}"));
  QTest::mouseClick(dialog->Button2, Qt::LeftButton);
  EXPECT_EQ(dialog->ComboBox1->count(), 3);
  EXPECT_EQ(files.files["set/documentclass.txt"], "[titlepage]{jsbook}\r\n{jsarticle}\r\n[a4paper]{jsreport}\r\n");
}

TEST_F(Form3, DeleteSelectsTheFirstEntryWithoutRunningTheClassHandling) {
  Pick(2);
  dialog->Button2->click();
  EXPECT_EQ(files.files["set/documentclass.txt"], "[titlepage]{jsbook}\r\n{jsarticle}\r\n");
  EXPECT_EQ(dialog->ComboBox1->count(), 2);
  EXPECT_EQ(ClassText(), QStringLiteral("[titlepage]{jsbook}"));
  EXPECT_FALSE(dialog->CheckBox1->isChecked());
  EXPECT_FALSE(dialog->CheckBox2->isChecked());
  files.files["set/documentclass.txt"] = "untouched";
  dialog->Button2->click();  // the first entry is selected now
  EXPECT_EQ(files.files["set/documentclass.txt"], "untouched");
}

TEST_F(Form3, OkStoresAndClosesOrStaysOpenAfterAWriteFailure) {
  Type(QStringLiteral("{JSARTICLE}"));
  files.unwritable = {"set/author.txt"};
  dialog->Button1->click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(prompts.Take(), Lines{"error ファイル set/author.txt を作成できません"});
  EXPECT_EQ(fields.ClassLine, "old class");
  files.unwritable.clear();
  dialog->Edit1->setText(QStringLiteral("新題"));
  dialog->Button1->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(fields.ClassLine, "\\documentclass{JSARTICLE}");
  EXPECT_EQ(fields.PreambleText, "\\usepackage{amsmath}\r\n");
  EXPECT_EQ(files.files["set/documentclass.txt"], "[titlepage]{jsbook}\r\n{jsarticle}\r\n[a4paper]{jsreport}\r\n");
  EXPECT_EQ(files.files["set/author.txt"], S("新題\r\n著者\r\n日付\r\n"));
}

TEST_F(Form3, NeitherEscNorTheCloseKeyClosesIt) {
  QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  dialog->close();
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Form3, TextTheFilesCannotHoldIsRefusedWithAMessage) {
  dialog->CheckBox1->click();
  auto* message = dialog->findChild<QLabel*>(QStringLiteral("Label6"));
  const struct {
    QWidget* box;
    QString typed;
  } rows[] = {{dialog->Edit1, QStringLiteral("é")},
              {dialog->Edit2, QStringLiteral("😀")},
              {dialog->ComboBox1->lineEdit(), QStringLiteral("€")},
              {dialog->Memo1, QStringLiteral("é")}};
  for (const auto& row : rows) {
    message->clear();
    QGuiApplication::clipboard()->setText(row.typed);
    QTest::keyClick(row.box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(message->text().isEmpty()) << row.box->objectName().toStdString();
  }
  // A line break, LF or CR, would split the lines of author.txt or documentclass.txt.
  const struct {
    QLineEdit* box;
    QString inserted;
  } breaks[] = {{dialog->Edit1, QStringLiteral("a\nb")},
                {dialog->Edit3, QStringLiteral("a\rb")},
                {dialog->ComboBox1->lineEdit(), QStringLiteral("a\rb")}};
  for (const auto& row : breaks) {
    message->clear();
    row.box->selectAll();
    row.box->insert(row.inserted);
    EXPECT_EQ(message->text(), QStringLiteral("改行は入力できません")) << row.box->objectName().toStdString();
  }
  dialog->Button1->click();
  EXPECT_EQ(files.files["set/author.txt"], S("題\r\n著者\r\n日付\r\n"));
  EXPECT_EQ(files.files["set/prinable.txt"], "\\usepackage{amsmath}\r\n");
  EXPECT_EQ(ClassText(), QStringLiteral("{jsarticle}"));
}

}  // namespace zumoku::test
