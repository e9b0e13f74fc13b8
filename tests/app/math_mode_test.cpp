#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/image_list.h"
#include "form_test.h"
#include "modal.h"
#include "sjis_text.h"
#include "app/tform1.h"

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
  void SetText(const std::string& s) {
    form.Buffer().Clear();
    form.Buffer().SetSelText(s);
    form.Buffer().SelectAll();
  }
};

TEST_F(MathMode, SwitchesMenuImageAndStatusTogether) {
  ExpectMode(false);
  SetText("abc");
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

TEST_F(MathMode, FormulaMenuHoldsItsEntriesInOrder) {
  const auto entries = [](const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) {
      list << action->objectName() + u'=' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return list;
  };
  const QStringList expected = {
      QStringLiteral("Cut3=切り取り"),
      QStringLiteral("Copy3=コピー"),
      QStringLiteral("Paste3=貼り付け"),
      QStringLiteral("N45=-"),
      QStringLiteral("N48=$...$の数式環境に入れる"),
      QStringLiteral("N52=-"),
      QStringLiteral("equation1=一行数式：equation"),
      QStringLiteral("gather1=複数行の数式：gather"),
      QStringLiteral("split1=&&で位置揃え：split"),
      QStringLiteral("N49=他の数式環境に入れる"),
      QStringLiteral("N51=-"),
      QStringLiteral("N42=行列"),
      QStringLiteral("N41=-"),
      QStringLiteral("TeX6=選択範囲のΘ・｛｝・（）等をTeXのコマンドに置き換える"),
      QStringLiteral("N46=-"),
      QStringLiteral("N47=基本コマンドに変更"),
  };
  const auto* menu = form.findChild<QMenu*>(QStringLiteral("PopupMenu2"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(entries(menu), expected);
  EXPECT_EQ(entries(menu->findChild<QMenu*>(QStringLiteral("N49"))),
            QStringList({QStringLiteral("equation2=一行式（番号無し）：equation*"), QStringLiteral("N50=-"),
                         QStringLiteral("gather2=複数行の数式（番号無し）：gather*")}));
  for (const QAction* action : menu->actions()) EXPECT_TRUE(action->shortcut().isEmpty());

  QAction* split = Action("split1");
  EXPECT_TRUE(split->isChecked());
  SetText("x");
  split->trigger();
  EXPECT_TRUE(split->isChecked());
  EXPECT_EQ(form.Buffer().Text(), "x");
}

TEST_F(MathMode, EditEntriesRunTheEditorsCommands) {
  SetText("abc");
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
    SetText(row.selection);
    QString caption;
    OpenContextMenu([&](QMenu* menu) { caption = menu->findChild<QAction*>(QStringLiteral("N48"))->text(); });
    EXPECT_EQ(caption, row.inlineMath ? QStringLiteral("$...$の数式環境を解除する")
                                      : QStringLiteral("$...$の数式環境に入れる"))
        << row.selection;
    EXPECT_EQ(form.InlineMathSelected, row.inlineMath) << row.selection;
  }
}

TEST_F(MathMode, InlineEntryActsOnTheFlagOfItsOpening) {
  Action("N44")->trigger();
  for (const auto& [selection, expected] : {std::pair{"$x^2$", "x^2"}, std::pair{"x^2", "$x^2$"}}) {
    SetText(selection);
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
      {"gather1", "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
                  "\\begin{gather}\r\nx\r\n\\end{gather}"},
      {"equation2", "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
                    "\\begin{equation*}\r\nx\r\n\\end{equation*}"},
      {"gather2", "\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n\\begin{document}\r\n"
                  "\\begin{gather*}\r\nx\r\n\\end{gather*}"},
      {"TeX6", preamble + "\\sin \\left( x\\right) \r\n"},
  };
  for (const auto& row : rows) {
    form.Buffer().Clear();
    form.Buffer().SetSelText(preamble + (row.name == std::string("TeX6") ? S("サイン（x）") : "x"));
    form.Buffer().SetSelStart(static_cast<int>(preamble.size()));
    form.Buffer().SetSelLength(static_cast<int>(form.Buffer().Text().size() - preamble.size()));
    Action(row.name)->trigger();
    EXPECT_EQ(form.Buffer().Text(), row.expected) << row.name;
  }
}

}  // namespace zumoku::test
