#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/dialogs/matrix_dialog.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/image_list.h"
#include "click.h"
#include "form_test.h"
#include "modal.h"
#include "sjis_text.h"

namespace zumoku::test {

class MathMode : public FormTest {
 protected:
  QToolButton* ToolButton4() { return form.findChild<QToolButton*>(QStringLiteral("ToolButton4")); }
  // Opens memo1's context menu the way a right click does; returns the name
  // of the menu that appeared, after `act` ran on it.
  QString OpenContextMenu(const std::function<void(QMenu*)>& act = {}) {
    QString shown;
    WhenPopup([&](QWidget* popup) {
      shown = popup->objectName();
      if (act) act(qobject_cast<QMenu*>(popup));
      popup->close();
    });
    emit form.memo1->customContextMenuRequested(QPoint(5, 5));
    return shown;
  }
  void ExpectMode(bool math) {
    // The button shows the word of the mode a click switches to.
    const QIcon shown = MakeImageList1().at(math ? kImageBasic : kImageMath);
    EXPECT_EQ(ToolButton4()->icon().pixmap(16).toImage(), shown.pixmap(16).toImage());
    EXPECT_EQ(OpenContextMenu(), math ? QStringLiteral("PopupMenu2") : QStringLiteral("PopupMenu1"));
    EXPECT_EQ(form.StatusPanelText(1),
              math ? QStringLiteral("PopUpモード：数式モード") : QStringLiteral("PopUpモード：基本モード"));
  }
};

TEST_F(MathMode, SwitchesMenuImageAndStatusTogether) {
  ExpectMode(false);
  Select("abc");
  form.SetStatusPanelText(0, QStringLiteral("メッセージ"));
  Action("N44")->trigger();
  ExpectMode(true);
  Action("N44")->trigger();  // the mode in force: nothing changes
  ExpectMode(true);
  Action("N47")->trigger();
  ExpectMode(false);
  ToolButton4()->click();
  ExpectMode(true);
  ToolButton4()->click();
  ExpectMode(false);
  Action("N44")->trigger();
  ToolButton4()->click();
  ExpectMode(false);
  EXPECT_EQ(form.Buffer().Text(), "abc");
  EXPECT_EQ(form.Buffer().SelLength(), 3);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("メッセージ"));
}

// The split entry is shown ticked and has no command.
TEST_F(MathMode, SplitEntryStaysTickedAndChangesNothing) {
  QAction* split = Action("split1");
  EXPECT_TRUE(split->isChecked());
  Select("x");
  split->trigger();
  EXPECT_TRUE(split->isChecked());
  EXPECT_EQ(form.Buffer().Text(), "x");
}

TEST_F(MathMode, EditEntriesRunTheEditorsCommands) {
  Select("abc");
  Action("Cut3")->trigger();
  EXPECT_EQ(form.Buffer().Text(), "");
  Action("Paste3")->trigger();
  form.Buffer().SelectAll();
  Action("Copy3")->trigger();
  form.Buffer().SetSelStart(3);
  Action("Paste3")->trigger();
  EXPECT_EQ(form.Buffer().Text(), "abcabc");
}

TEST_F(MathMode, OpeningTheFormulaMenuRelabelsTheInlineEntry) {
  Action("N44")->trigger();
  const struct {
    std::string selection;
    bool inlineMath;
  } rows[] = {{"", false}, {"$x^2$", true}, {"$", true}, {"$x", false}, {"x$", false}, {"$a$ and $b$", true}};
  for (const auto& row : rows) {
    Select(row.selection);
    QString caption;
    OpenContextMenu([&](QMenu* menu) { caption = menu->findChild<QAction*>(QStringLiteral("N48"))->text(); });
    EXPECT_EQ(caption,
              row.inlineMath ? QStringLiteral("$...$の数式環境を解除する") : QStringLiteral("$...$の数式環境に入れる"))
        << row.selection;
    EXPECT_EQ(form.InlineMathSelected, row.inlineMath) << row.selection;
  }
}

TEST_F(MathMode, InlineEntryActsOnTheFlagOfItsOpening) {
  Action("N44")->trigger();
  for (const auto& [selection, expected] : {std::pair{"$x^2$", "x^2"}, std::pair{"x^2", "$x^2$"}}) {
    Select(selection);
    OpenContextMenu();
    Action("N48")->trigger();
    EXPECT_EQ(form.Buffer().Text(), expected);
  }
}

TEST_F(MathMode, FormulaCommandsRunFromTheirEntries) {
  const std::string preamble = "\\documentclass{jsarticle}\r\n\r\n\\begin{document}\r\n";
  const struct {
    const char* name;
    std::string expected;
  } rows[] = {
      {"equation1", preamble + "\\begin{equation}\r\nx\r\n\\end{equation}"},
      {"gather1",
       "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
       "\\begin{gather}\r\nx\r\n\\end{gather}"},
      {"equation2",
       "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
       "\\begin{equation*}\r\nx\r\n\\end{equation*}"},
      {"gather2",
       "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
       "\\begin{gather*}\r\nx\r\n\\end{gather*}"},
      {"TeX6", preamble + "\\sin \\left( x\\right) \r\n"},
  };
  for (const auto& row : rows) {
    SetTextAndSelection(form.Buffer(), preamble, row.name == std::string("TeX6") ? S("サイン（x）") : "x");
    Action(row.name)->trigger();
    EXPECT_EQ(form.Buffer().Text(), row.expected) << row.name;
  }
}

// Without a preamble no package line is written; panel 0 says what is missing.
TEST_F(MathMode, AmsmathWithoutAPreambleIsReportedInPanel0) {
  const QString needed = QStringLiteral("amsmathパッケージが必要です");
  for (const char* name : {"equation1", "gather1", "equation2", "gather2"}) {
    Select("x");
    Action(name)->trigger();
    EXPECT_EQ(form.StatusPanelText(0), name == std::string("equation1") ? QString() : needed) << name;
  }
  SetTextAndSelection(form.Buffer(), "%#!platex\r\n\\documentclass{jsarticle}\r\n\\begin{document}\r\n", "");
  WhenModal<TForm5>([](TForm5* dialog) { Click(dialog, QStringLiteral("Button1")); });
  Action("N42")->trigger();
  EXPECT_EQ(form.StatusPanelText(0), QString());
  Select("x");
  WhenModal<TForm5>([](TForm5* dialog) { Click(dialog, QStringLiteral("Button1")); });
  Action("N42")->trigger();
  EXPECT_EQ(form.StatusPanelText(0), needed);
}

}  // namespace zumoku::test
