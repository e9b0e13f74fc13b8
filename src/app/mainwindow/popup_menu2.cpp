// PopupMenu2, the formula context menu that memo1 shows in Math mode.
#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"

namespace zumoku {

void TForm1::BuildPopupMenu2() {
  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  connect(PopupMenu2, &QMenu::aboutToShow, this, Guarded(&TForm1::PopupMenu2Popup));
  AddClipboardCommands(PopupMenu2, "Cut3", "Copy3", "Paste3");
  AddSeparator(PopupMenu2, "N45");
  N48 = AddCommand(PopupMenu2, "N48", QStringLiteral("$...$の数式環境に入れる"), &TForm1::N48Click);
  AddRows(PopupMenu2, {{"N52"},
                       {"equation1", QStringLiteral("一行数式：equation"), &TForm1::equation1Click},
                       {"gather1", QStringLiteral("複数行の数式：gather"), &TForm1::gather1Click}});

  // Shown with a check mark and no command: choosing it must not clear the mark.
  QAction* split1 = AddItem(PopupMenu2, "split1", QStringLiteral("&&で位置揃え：split"));
  split1->setCheckable(true);
  split1->setChecked(true);
  connect(split1, &QAction::toggled, split1, [split1] { split1->setChecked(true); });

  QMenu* others = AddSubmenu(PopupMenu2, "N49", QStringLiteral("他の数式環境に入れる"));
  AddRows(others, {{"equation2", QStringLiteral("一行式（番号無し）：equation*"), &TForm1::equation2Click},
                   {"N50"},
                   {"gather2", QStringLiteral("複数行の数式（番号無し）：gather*"), &TForm1::gather2Click}});

  AddRows(PopupMenu2,
          {{"N51"},
           {"N42", QStringLiteral("行列"), &TForm1::N42Click},
           {"N41"},
           {"TeX6", QStringLiteral("選択範囲のΘ・｛｝・（）等をTeXのコマンドに置き換える"), &TForm1::TeX6Click},
           {"N46"},
           {"N47", QStringLiteral("基本コマンドに変更"), &TForm1::N47Click}});
}

}  // namespace zumoku
