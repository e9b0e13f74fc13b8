// The typesetting commands: "タイプセット" (Ctrl+T and its toolbar button),
// "停止", "PDF を外部ビューアで開く" and "PDF の対応箇所へ" (Ctrl+Shift+T).
#include <QMenuBar>

#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"
#include "app/widgets/image_list.h"
#include "app/widgets/menu_items.h"
#include "app/widgets/tool_bar_items.h"
#include "encoding/encoding.h"

namespace zumoku {

void TForm1::SetUpTypesetting() {
  auto* menu = new QMenu(QStringLiteral("タイプセット"), menuBar());
  menu->setObjectName(QStringLiteral("TypesetMenu1"));
  menu->menuAction()->setObjectName(QStringLiteral("TypesetMenu1"));
  menuBar()->insertMenu(Find2->menuAction(), menu);
  QAction* typeset = AddItem(menu, "Typeset1", QStringLiteral("タイプセット"));
  typeset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  typeset->setShortcutContext(Qt::WindowShortcut);
  connect(typeset, &QAction::triggered, this, &TForm1::Typeset1Click);
  connect(AddItem(menu, "StopTypeset1", QStringLiteral("停止")), &QAction::triggered, this, &TForm1::StopTypeset1Click);
  connect(AddItem(menu, "OpenPdf1", QStringLiteral("PDF を外部ビューアで開く")), &QAction::triggered, this,
          &TForm1::OpenPdf1Click);
  QAction* syncToPdf = AddItem(menu, "SyncToPdf1", QStringLiteral("PDF の対応箇所へ"));
  syncToPdf->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
  syncToPdf->setShortcutContext(Qt::WindowShortcut);
  connect(syncToPdf, &QAction::triggered, this, &TForm1::SyncToPdf1Click);

  AddToolGap(ToolBar1);
  QToolButton* button = AddToolButton(ToolBar1, "TypesetButton1", MakeTypesetImage());
  button->setToolTip(QStringLiteral("タイプセット (Ctrl+T)"));
  connect(button, &QToolButton::clicked, this, &TForm1::Typeset1Click);

  typesetting_ = new Typesetting(*this, *memo1,
                                 {.fileName = [this] { return CurrentFileName(); },
                                  // Shift_JIS until the buffer knows the encoding of its document.
                                  .encoding = [this] { return Buffer().TextEncoding(); },
                                  .modified = [this] { return Buffer().Modified(); },
                                  .save = [this] { Save1Click(); },
                                  .showStatus = StatusWriter(),
                                  .target = [this] { return RootToTypeset(); },
                                  .rootPath = [this] { return KnownRootPath(); }});
  SetUpPaper(menu);
}

void TForm1::Typeset1Click() { typesetting_->Typeset(); }
void TForm1::StopTypeset1Click() { typesetting_->Stop(); }
void TForm1::OpenPdf1Click() { typesetting_->OpenPdf(); }
void TForm1::SyncToPdf1Click() { typesetting_->ShowCaretInPdf(); }

}  // namespace zumoku
