// PopupMenu1, the editor's context menu for text commands: its item tree and
// what each opening shows.
#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"
#include "markup/text_menu_state.h"

namespace zumoku {

namespace {
QString AlignmentCaptionAtStart(align::Environment environment) {
  return QString::fromUtf8(align::kEnvironments[environment].captionAbsent);
}
}  // namespace

void TForm1::BuildPopupMenu1() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  connect(PopupMenu1, &QMenu::aboutToShow, this, Guarded(&TForm1::PopupMenu1Popup));
  AddClipboardCommands(PopupMenu1, "Cut2", "Copy2", "Paste2");
  AddSeparator(PopupMenu1, "N9");

  QMenu* font = AddSubmenu(PopupMenu1, "N11", QStringLiteral("書体"));
  N32 = AddCommand(font, "N32", QStringLiteral("書体修飾を取り消す"), &TForm1::N32Click);
  N31 = AddSeparator(font, "N31");
  AddRows(font, {{"N12", QStringLiteral("ボールド：Bold"), &TForm1::N12Click},
                 {"N13", QStringLiteral("イタリック：Italic"), &TForm1::N13Click},
                 {"emphasis1", QStringLiteral("強調：emphasis"), &TForm1::emphasis1Click},
                 {"Taypewriter1", QStringLiteral("タイプライター：Taypewriter"), &TForm1::Taypewriter1Click},
                 {"SansSerif1", QStringLiteral("見出し：Sans Serif"), &TForm1::SansSerif1Click},
                 {"SMALLCAPS1", QStringLiteral("見出し：SMALL CAPS"), &TForm1::SMALLCAPS1Click},
                 {"Slanted1", QStringLiteral("傾斜：Slanted"), &TForm1::Slanted1Click}});

  QMenu* size = AddSubmenu(PopupMenu1, "N14", QStringLiteral("文字サイズ"));
  N33 = AddCommand(size, "N33", QStringLiteral("サイズの変更を取り消す"), &TForm1::N33Click);
  N34 = AddSeparator(size, "N34");
  AddRows(size, {{"N10Huge1", QStringLiteral("10：Huge"), &TForm1::N10Huge1Click},
                 {"N9huge1", QStringLiteral("9：huge"), &TForm1::N9huge1Click},
                 {"N8LARGE1", QStringLiteral("8：LARGE"), &TForm1::N8LARGE1Click},
                 {"N7Large1", QStringLiteral("7：Large"), &TForm1::N7Large1Click},
                 {"N6large1", QStringLiteral("6：large"), &TForm1::N6large1Click},
                 {"N5normalsize1", QStringLiteral("5：normalsize（標準）"), &TForm1::N5normalsize1Click},
                 {"N4small1", QStringLiteral("4：small"), &TForm1::N4small1Click},
                 {"N3footnotesize1", QStringLiteral("3：footnotesize"), &TForm1::N3footnotesize1Click},
                 {"N2scriptsize1", QStringLiteral("2：scriptsize"), &TForm1::N2scriptsize1Click},
                 {"N1tiny1", QStringLiteral("1：tiny"), &TForm1::N1tiny1Click}});

  QMenu* lists = AddSubmenu(PopupMenu1, "N17", QStringLiteral("箇条書き"));
  AddRows(lists, {{"itemize1", QStringLiteral("通常の「・」：itemize"), &TForm1::itemize1Click},
                  {"enumerate1", QStringLiteral("番号付き：enumerate"), &TForm1::enumerate1Click},
                  {"description1", QStringLiteral("見出し付き：description"), &TForm1::description1Click},
                  {"N35"},
                  {"item1", QStringLiteral("\\itemだけを追加する"), &TForm1::item1Click},
                  {"item2", QStringLiteral("\\item[ ]だけを追加する"), &TForm1::item2Click}});
  AddSeparator(PopupMenu1, "N22");

  N24 = AddCommand(PopupMenu1, "N24", AlignmentCaptionAtStart(align::kFlushLeft), &TForm1::N24Click);
  N26 = AddCommand(PopupMenu1, "N26", AlignmentCaptionAtStart(align::kCenter), &TForm1::N26Click);
  N25 = AddCommand(PopupMenu1, "N25", AlignmentCaptionAtStart(align::kFlushRight), &TForm1::N25Click);
  AddRows(PopupMenu1, {{"N23"},
                       {"N16", QStringLiteral("引用符：“...”"), &TForm1::N16Click},
                       {"N28", QStringLiteral("脚注*：\\footnote{...} "), &TForm1::N28Click},
                       {"N10"}});

  QMenu* spaces = AddSubmenu(PopupMenu1, "N19", QStringLiteral("空白"));
  AddRows(spaces, {{"N20", QStringLiteral("「\\」による空白"), &TForm1::N20Click},
                   {"N21", QStringLiteral("「~」による空白"), &TForm1::N21Click}});
  AddSeparator(PopupMenu1, "N18");

  QMenu* tex = AddSubmenu(PopupMenu1, "TeX3", QStringLiteral("TeX基本コマンド"));
  AddRows(tex, {{"N40", QStringLiteral("圏点(日本語だけ)"), &TForm1::N40Click}, {"N39"}});
  QMenu* verbatim = AddSubmenu(tex, "Verb1", QStringLiteral("文字通りに出力"));
  AddRows(verbatim, {{"Verb2", QStringLiteral("文字通りに：\\verb|...|"), &TForm1::Verb2Click},
                     {"N15", QStringLiteral("空白を明示：\\verb*|...|"), &TForm1::N15Click},
                     {"verbatim1", QStringLiteral("verbatim環境"), &TForm1::verbatim1Click},
                     {"verbatim2", QStringLiteral("空白を明示したverbatim*環境"), &TForm1::verbatim2Click}});
  AddSeparator(tex, "N27");
  QMenu* margin = AddSubmenu(tex, "N29", QStringLiteral("欄外"));
  AddRows(margin,
          {{"marginpar1", QStringLiteral("標準：\\marginpar{...}"), &TForm1::marginpar1Click},
           {"reversemarginpar1", QStringLiteral("逆出力：\\reversemarginpar{...}"), &TForm1::reversemarginpar1Click},
           {"N30", QStringLiteral("左右別文言：\\marginpar[左：...]{右：...}"), &TForm1::N30Click}});
  AddSeparator(tex, "N38");
  QMenu* logos = AddSubmenu(tex, "TeX4", QStringLiteral("TeXマーク"));
  AddRows(logos, {{"TeX5", QStringLiteral("TeX"), &TForm1::TeX5Click},
                  {"LaTeX1", QStringLiteral("LaTeX"), &TForm1::LaTeX1Click},
                  {"LaTeXe1", QStringLiteral("LaTeX2e"), &TForm1::LaTeXe1Click}});

  QMenu* sections = AddSubmenu(PopupMenu1, "N54", QStringLiteral("セクション"));
  AddRows(sections, {{"N55", QStringLiteral("セクションを追加"), &TForm1::N55Click},
                     {"N56", QStringLiteral("サブセクションを追加"), &TForm1::N56Click},
                     {"N57"},
                     {"N58", QStringLiteral("セクションマネージャーを開く..."), &TForm1::N58Click}});

  AddRows(PopupMenu1, {{"N53", QStringLiteral("画像を貼り付ける"), &TForm1::N53Click}});
  // Not a command: it replaces the document rather than editing it.
  connect(AddItem(PopupMenu1, "OpenNamedFile1", QStringLiteral("ファイルを開く")), &QAction::triggered, this,
          &TForm1::OpenNamedFile1Click);
  AddRows(PopupMenu1, {{"N43"}});
  // Switching the menu changes no text.
  connect(AddItem(PopupMenu1, "N44", QStringLiteral("数式コマンドに変更")), &QAction::triggered, this,
          &TForm1::N44Click);
}

void TForm1::PopupMenu1Popup() {
  const TextMenuState state = InspectSelection(Buffer().SelText(), Buffer().TextEncoding());
  for (QAction* item : {N32, N31}) item->setVisible(state.showFontRemoval);
  for (QAction* item : {N33, N34}) item->setVisible(state.showSizeRemoval);
  const struct {
    QAction* item;
    align::Environment environment;
    bool& flag;
  } entries[] = {{N24, align::kFlushLeft, HasFlushLeft},
                 {N26, align::kCenter, HasCenter},
                 {N25, align::kFlushRight, HasFlushRight}};
  for (const auto& entry : entries) {
    entry.item->setText(QString::fromUtf8(AlignmentCaption(state, entry.environment)));
    entry.flag = state.alignment[entry.environment];
  }
}

}  // namespace zumoku
