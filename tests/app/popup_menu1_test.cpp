#include <QApplication>
#include <QTimer>

#include "sjis_text.h"
#include "text_menu_fixture.h"

namespace zumoku::test {

namespace {
// "name caption" for each entry, "name -" for separators; submenus indented.
void Describe(const QMenu* menu, const QString& indent, QStringList& out) {
  for (const QAction* action : menu->actions()) {
    out << indent + action->objectName() + (action->isSeparator() ? QStringLiteral(" -") : u' ' + action->text());
    if (action->menu()) Describe(action->menu(), indent + QStringLiteral("  "), out);
  }
}
}  // namespace

TEST_F(TextMenuTest, ItemTreeHasEveryEntryInOrder) {
  const QStringList expected = {
      QStringLiteral("Cut2 切り取り"),
      QStringLiteral("Copy2 コピー"),
      QStringLiteral("Paste2 貼り付け"),
      QStringLiteral("N9 -"),
      QStringLiteral("N11 書体"),
      QStringLiteral("  N32 書体修飾を取り消す"),
      QStringLiteral("  N31 -"),
      QStringLiteral("  N12 ボールド：Bold"),
      QStringLiteral("  N13 イタリック：Italic"),
      QStringLiteral("  emphasis1 強調：emphasis"),
      QStringLiteral("  Taypewriter1 タイプライター：Taypewriter"),
      QStringLiteral("  SansSerif1 見出し：Sans Serif"),
      QStringLiteral("  SMALLCAPS1 見出し：SMALL CAPS"),
      QStringLiteral("  Slanted1 傾斜：Slanted"),
      QStringLiteral("N14 文字サイズ"),
      QStringLiteral("  N33 サイズの変更を取り消す"),
      QStringLiteral("  N34 -"),
      QStringLiteral("  N10Huge1 10：Huge"),
      QStringLiteral("  N9huge1 9：huge"),
      QStringLiteral("  N8LARGE1 8：LARGE"),
      QStringLiteral("  N7Large1 7：Large"),
      QStringLiteral("  N6large1 6：large"),
      QStringLiteral("  N5normalsize1 5：normalsize（標準）"),
      QStringLiteral("  N4small1 4：small"),
      QStringLiteral("  N3footnotesize1 3：footnotesize"),
      QStringLiteral("  N2scriptsize1 2：scriptsize"),
      QStringLiteral("  N1tiny1 1：tiny"),
      QStringLiteral("N17 箇条書き"),
      QStringLiteral("  itemize1 通常の「・」：itemize"),
      QStringLiteral("  enumerate1 番号付き：enumerate"),
      QStringLiteral("  description1 見出し付き：description"),
      QStringLiteral("  N35 -"),
      QStringLiteral("  item1 \\itemだけを追加する"),
      QStringLiteral("  item2 \\item[ ]だけを追加する"),
      QStringLiteral("N22 -"),
      QStringLiteral("N24 左揃え"),
      QStringLiteral("N26 中央揃え"),
      QStringLiteral("N25 右揃え"),
      QStringLiteral("N23 -"),
      QStringLiteral("N16 引用符：“...”"),
      QStringLiteral("N28 脚注*：\\footnote{...} "),
      QStringLiteral("N10 -"),
      QStringLiteral("N19 空白"),
      QStringLiteral("  N20 「\\」による空白"),
      QStringLiteral("  N21 「~」による空白"),
      QStringLiteral("N18 -"),
      QStringLiteral("TeX3 TeX基本コマンド"),
      QStringLiteral("  N40 圏点(日本語だけ)"),
      QStringLiteral("  N39 -"),
      QStringLiteral("  Verb1 文字通りに出力"),
      QStringLiteral("    Verb2 文字通りに：\\verb|...|"),
      QStringLiteral("    N15 空白を明示：\\verb*|...|"),
      QStringLiteral("    verbatim1 verbatim環境"),
      QStringLiteral("    verbatim2 空白を明示したverbatim*環境"),
      QStringLiteral("  N27 -"),
      QStringLiteral("  N29 欄外"),
      QStringLiteral("    marginpar1 標準：\\marginpar{...}"),
      QStringLiteral("    reversemarginpar1 逆出力：\\reversemarginpar{...}"),
      QStringLiteral("    N30 左右別文言：\\marginpar[左：...]{右：...}"),
      QStringLiteral("  N38 -"),
      QStringLiteral("  TeX4 TeXマーク"),
      QStringLiteral("    TeX5 TeX"),
      QStringLiteral("    LaTeX1 LaTeX"),
      QStringLiteral("    LaTeXe1 LaTeX2e"),
      QStringLiteral("N54 セクション"),
      QStringLiteral("  N55 セクションを追加"),
      QStringLiteral("  N56 サブセクションを追加"),
      QStringLiteral("  N57 -"),
      QStringLiteral("  N58 セクションマネージャーを開く..."),
      QStringLiteral("N53 画像を貼り付ける"),
      QStringLiteral("N43 -"),
      QStringLiteral("N44 数式コマンドに変更"),
  };
  QStringList shown;
  Describe(PopupMenu1(), QString(), shown);
  EXPECT_EQ(shown, expected);
  for (const QAction* action : PopupMenu1()->findChildren<QAction*>()) {
    EXPECT_TRUE(action->isVisible() && action->isEnabled()) << action->objectName().toStdString();
    EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
  }
}

struct OpeningRow {
  std::string selection;
  bool fontRemoval, sizeRemoval;
  bool left, center, right;
};

TEST_F(TextMenuTest, OpeningShowsRemovalsAndRelabelsAlignment) {
  const OpeningRow rows[] = {
      {"", false, false, false, false, false},
      {"\\textbf{abc}", true, false, false, false, false},
      {"\\textbf{abc} x", false, false, false, false, false},
      {S("\\textit{マ}"), true, false, false, false, false},
      {"{\\Huge abc}", false, true, false, false, false},
      {"{abc}", false, false, false, false, false},
      {"\\begin{center}abc\\end{center}", false, false, false, true, false},
      {"\\begin{center}abc", false, false, false, false, false},
      {"\\begin{flushleft}\\end{flushleft}\\begin{flushright}\\end{flushright}", false, false, true, false, true},
  };
  for (const auto& row : rows) {
    Select(row.selection);
    emit PopupMenu1()->aboutToShow();
    const std::string at = "selection " + row.selection;
    EXPECT_EQ(Item("N32")->isVisible(), row.fontRemoval) << at;
    EXPECT_EQ(Item("N31")->isVisible(), row.fontRemoval) << at;
    EXPECT_EQ(Item("N33")->isVisible(), row.sizeRemoval) << at;
    EXPECT_EQ(Item("N34")->isVisible(), row.sizeRemoval) << at;
    EXPECT_EQ(Item("N24")->text(), row.left ? QStringLiteral("左揃えの解除") : QStringLiteral("左揃え")) << at;
    EXPECT_EQ(Item("N26")->text(), row.center ? QStringLiteral("中央揃えの解除") : QStringLiteral("中央揃え")) << at;
    EXPECT_EQ(Item("N25")->text(), row.right ? QStringLiteral("右揃えの解除") : QStringLiteral("右揃え")) << at;
    EXPECT_EQ(form.HasFlushLeft, row.left) << at;
    EXPECT_EQ(form.HasCenter, row.center) << at;
    EXPECT_EQ(form.HasFlushRight, row.right) << at;
  }
}

TEST_F(TextMenuTest, RightClickOpensPopupMenu1ForTheSelection) {
  Select("\\begin{center}abc\\end{center}");
  form.show();
  QString opened, centerCaption;
  QTimer::singleShot(0, [&] {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    opened = popup->objectName();
    centerCaption = Item("N26")->text();
    popup->close();
  });
  emit form.memo1->customContextMenuRequested(QPoint(5, 5));
  EXPECT_EQ(opened, QStringLiteral("PopupMenu1"));
  EXPECT_EQ(centerCaption, QStringLiteral("中央揃えの解除"));
  EXPECT_TRUE(form.HasCenter);
}

TEST_F(TextMenuTest, EveryTextCommandRunsFromItsEntry) {
  const struct {
    const char* name;
    std::string selection, expected;
  } rows[] = {
      {"N10Huge1", "a", "{\\Huge a}"},
      {"N9huge1", "a", "{\\huge a}"},
      {"N8LARGE1", "a", "{\\LARGE a}"},
      {"N7Large1", "a", "{\\Large a}"},
      {"N6large1", "a", "{\\large a}"},
      {"N5normalsize1", "a", "{\\normalsize a}"},
      {"N4small1", "a", "{\\small a}"},
      {"N3footnotesize1", "a", "{\\footnotesize a}"},
      {"N2scriptsize1", "a", "{\\scriptsize a}"},
      {"N1tiny1", "{\\Huge a}", "{\\tiny {\\Huge a}}"},
      {"N33", S("{\\Huge マ}"), S("マ")},
      {"N24", "abc", "\\begin{flushleft}abc\\end{flushleft}"},
      {"N26", "\\begin{center}abc\\end{center}", "abc"},
      {"N25", "\\begin{center}abc\\end{center}", "\\begin{flushright}abc\\end{flushright}"},
      {"N24", "\\begin{center}abc\\end{center}", "\\begin{flushleft}abc\\end{flushleft}"},
      {"N26", "", "\\begin{center}\\end{center}"},
      {"TeX5", "abc", "\\TeX "},
      {"LaTeX1", "", "\\LaTeX "},
      {"LaTeXe1", "", "\\LaTeXe "},
      {"N16", "abc", "``abc''"},
      {"N28", "", "\\footnote{} "},
      {"marginpar1", "a", "\\marginpar{a}"},
      {"reversemarginpar1", "a", "\\reversemarginpar{a}"},
      {"N30", "abc", S("\\marginpar[左：abc]{右：abc}")},
      {"Verb2", "ab", "\\verb|ab|"},
      {"Verb2", S("ポ"), S("ポ")},
      {"N15", "a b", "\\verb*|a b|"},
      {"verbatim1", "", "\\begin{verbatim}\r\n\r\n\\end{verbatim}\r\n"},
      {"verbatim2", "x", "\\begin{verbatim*}\r\nx\r\n\\end{verbatim*}\r\n"},
      {"N40", S("漢字a"), S("\\.{漢}\\.{字}a")},
      {"N55", "Intro", "\\section{Intro}"},
      {"N56", "Intro", "\\subsection{Intro}"},
      {"N32", "\\textbf{a{b}c}", "a{b}c"},
  };
  for (const auto& row : rows) {
    Select(row.selection);
    Choose(row.name);
    EXPECT_EQ(form.Buffer().Text(), row.expected) << row.name;
  }
}

TEST_F(TextMenuTest, EntriesOfLaterCommandsAndThePictureEntryLeaveTheText) {
  Select("abc");
  for (const char* name : {"N58", "N44", "N53"}) Choose(name);
  EXPECT_EQ(form.Buffer().Text(), "abc");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("画像の貼り付けはまだ利用できません"));
}

}  // namespace zumoku::test
