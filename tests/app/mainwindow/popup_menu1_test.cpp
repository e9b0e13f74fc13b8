#include <QApplication>
#include <QTimer>

#include "form_test.h"
#include "sjis_text.h"

namespace zumoku::test {

using TextMenuTest = FormTest;

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
    emit form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->aboutToShow();
    const std::string at = "selection " + row.selection;
    EXPECT_EQ(Action("N32")->isVisible(), row.fontRemoval) << at;
    EXPECT_EQ(Action("N31")->isVisible(), row.fontRemoval) << at;
    EXPECT_EQ(Action("N33")->isVisible(), row.sizeRemoval) << at;
    EXPECT_EQ(Action("N34")->isVisible(), row.sizeRemoval) << at;
    EXPECT_EQ(Action("N24")->text(), row.left ? QStringLiteral("左揃えの解除") : QStringLiteral("左揃え")) << at;
    EXPECT_EQ(Action("N26")->text(), row.center ? QStringLiteral("中央揃えの解除") : QStringLiteral("中央揃え")) << at;
    EXPECT_EQ(Action("N25")->text(), row.right ? QStringLiteral("右揃えの解除") : QStringLiteral("右揃え")) << at;
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
    centerCaption = Action("N26")->text();
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
      {"N12", S("\\textit{マ}"), S("\\textbf{マ}")},
      {"N13", "a", "\\textit{a}"},
      {"emphasis1", S("\\textit{マ}"), S("\\emph{マ}")},
      {"Taypewriter1", "a", "\\texttt{a}"},
      {"SansSerif1", "a", "\\textsf{a}"},
      {"SMALLCAPS1", "a", "\\textsc{a}"},
      {"Slanted1", "a", "\\textsl{a}"},
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
    ChooseInPopupMenu1(row.name);
    EXPECT_EQ(form.Buffer().Text(), row.expected) << row.name;
  }
}

}  // namespace zumoku::test
