#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "app/dialogs/document_settings_dialog.h"
#include "app/mainwindow/main_window.h"
#include "modal_script.h"
#include "settings_folder_fixture.h"
#include "shown_caption.h"

namespace zumoku::test {

namespace {
// Confirms the document settings dialog with the title block on.
ModalScript::Step ConfirmWithTitle(const QString& title) {
  return [title](QDialog* dialog) {
    auto* form3 = qobject_cast<TForm3*>(dialog);
    ASSERT_NE(form3, nullptr);
    form3->CheckBox1->click();
    form3->Edit1->setText(title);
    form3->Button1->click();
  };
}
}  // namespace

class Form1New : public SettingsFolderTest {
 protected:
  std::unique_ptr<TForm1> form;

  Form1New() {
    QApplication::setQuitOnLastWindowClosed(false);
    form = std::make_unique<TForm1>(TForm1::StartUp{.settingsFolder = Folder()});
    form->show();
  }
  bool Save1Enabled() { return form->findChild<QAction*>(QStringLiteral("Save1"))->isEnabled(); }
};

TEST_F(Form1New, MenuEntryAndToolButtonBuildTheTemplate) {
  const std::string expected =
      S("\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\r\n\\begin{document}\r\n\r\n\\title{A\\\\B}\r\n"
        "\\author{著者}\r\n\\date{\\today}\r\n\\maketitle\r\n\r\n\r\n\\end{document}\r\n");
  {
    ModalScript script({ConfirmWithTitle(QStringLiteral("A\\\\B"))});
    form->findChild<QAction*>(QStringLiteral("N2"))->trigger();
  }
  EXPECT_EQ(form->Buffer().Text(), expected);
  EXPECT_EQ(ShownCaption(*form), QStringLiteral("Zumoku - NEW_File.tex"));
  EXPECT_EQ(form->CurrentFileName(), QStringLiteral("NEW_File.tex"));
  EXPECT_FALSE(Save1Enabled());
  EXPECT_FALSE(form->Buffer().Modified());
  EXPECT_EQ(form->Buffer().SelStart(), static_cast<int>(expected.size()));
  EXPECT_EQ(ReadSetting("author.txt"), S("A\\\\B\r\n著者\r\n\\today\r\n"));

  form->Buffer().SetSelText("x");
  QString question;
  {
    ModalScript script(
        {Noting(question, Clicking(QStringLiteral("いいえ(&N)"))), ConfirmWithTitle(QStringLiteral("C"))});
    form->findChild<QToolButton*>(QStringLiteral("ToolButton1"))->click();
  }
  EXPECT_EQ(question, QStringLiteral("情報: NEW_File.texは更新されています。保存しますか？"));
  EXPECT_NE(form->Buffer().Text().find("\\title{C}"), std::string::npos);
  EXPECT_EQ(form->Template.ClassLine, "\\documentclass{jsarticle}");
}

TEST_F(Form1New, ShortAuthorFileShowsTheErrorBoxAndKeepsTheText) {
  WriteSetting("author.txt", "t\r\na\r\n");
  form->Buffer().SetSelText("kept");
  form->Buffer().SetModified(false);
  QString error;
  {
    ModalScript script({Noting(error, Accept())});
    form->N2Click();
  }
  EXPECT_TRUE(error.endsWith(QStringLiteral(": リストのインデックスが範囲を超えています (2)"))) << error.toStdString();
  EXPECT_EQ(form->Buffer().Text(), "kept");
  EXPECT_EQ(ShownCaption(*form), QStringLiteral("Zumoku"));
}

}  // namespace zumoku::test
