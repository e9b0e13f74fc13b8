#include "app/tform1.h"

#include <QDesktopServices>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/fonts.h"
#include "app/image_list.h"
#include "app/menu_items.h"

namespace zumoku {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Zumoku"));
  setFont(WindowFont());
  setGeometry(195, 126, 637, 450);

  memo1 = new Memo(this);
  memo1->setFont(EditorFont());
  memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  setCentralWidget(memo1);
  buffer_ = std::make_unique<MemoBuffer>(*memo1);
  connect(memo1, &Memo::textChanged, this, &TForm1::memo1Change);
  connect(memo1, &Memo::refused, this, [this](const QString& message) { SetStatusPanelText(0, message); });
  connect(memo1, &Memo::customContextMenuRequested, this, &TForm1::ShowContextMenu);
  memo1->SetKeyPressHandler([this](char& key) { memo1KeyPress(key); });

  BuildMainMenu();
  BuildToolBar();
  BuildStatusBar();
  BuildPopupMenu1();
  BuildPopupMenu2();
  SetUpDocuments();
  memo1->setFocus();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() { SetStatusPanelText(1, QStringLiteral("PopUpモード：基本モード")); }

void TForm1::BuildMainMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = bar->addMenu(QStringLiteral("ファイル"));
  file->setObjectName(QStringLiteral("File1"));
  AddItem(file, "N2", QStringLiteral("新規作成"));
  AddCommand(file, "Open1", QStringLiteral("開く..."), &TForm1::Open1Click);
  AddSeparator(file, "N3");
  Save1 = AddCommand(file, "Save1", QStringLiteral("上書き保存"), &TForm1::Save1Click);
  Save1->setEnabled(false);
  AddCommand(file, "SaveAs1", QStringLiteral("名前をつけて保存..."), &TForm1::SaveAs1Click);
  AddSeparator(file, "N1");
  AddCommand(file, "Exit1", QStringLiteral("終了"), &TForm1::Exit1Click);

  QMenu* edit = bar->addMenu(QStringLiteral("編集"));
  edit->setObjectName(QStringLiteral("Edit1"));
  AddCommand(edit, "N4", QStringLiteral("元に戻す"), &TForm1::N4Click);
  AddSeparator(edit, "N5");
  AddClipboardCommands(edit, "Cut1", "Copy1", "Paste1");
  AddSeparator(edit, "N36");
  AddCommand(edit, "N37", QStringLiteral("全て選択"), &TForm1::N37Click);

  QMenu* find = bar->addMenu(QStringLiteral("検索"));
  find->setObjectName(QStringLiteral("Find2"));
  find->menuAction()->setObjectName(QStringLiteral("Find2"));
  AddItem(find, "Find1", QStringLiteral("検索..."));
  AddItem(find, "Replace1", QStringLiteral("置換..."));
  find->menuAction()->setEnabled(false);

  QMenu* settings = bar->addMenu(QStringLiteral("設定"));
  settings->setObjectName(QStringLiteral("N7"));
  AddItem(settings, "N8", QStringLiteral("プログラムの設定..."));

  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName(QStringLiteral("Help1"));
  AddItem(help, "N6", QStringLiteral("このプログラムについて..."));
}

void TForm1::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFixedHeight(31);
  bar->setIconSize(QSize(16, 16));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  ImageList1 = MakeImageList1();

  auto addButton = [&](const char* name, int image) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (image >= 0) button->setIcon(ImageList1.at(image));
    bar->addWidget(button);
    return button;
  };
  auto addGap = [&] {
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(8);
    bar->addWidget(gap);
  };
  addButton("ToolButton1", kImageNew);
  connect(addButton("ToolButton2", kImageOpen), &QToolButton::clicked, this, &TForm1::Open1Click);
  // The button stays enabled while "上書き保存" is not; Save then runs Save As.
  connect(addButton("ToolButton3", kImageSave), &QToolButton::clicked, this, &TForm1::Save1Click);
  addGap();
  ToolButton4 = addButton("ToolButton4", kImageMath);
  connect(ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
  addGap();
  // Without an image the button stays raised, so it can still be seen.
  QToolButton* folder = addButton("ToolButton6", -1);
  folder->setAutoRaise(false);
  folder->setFixedSize(23, 22);
  connect(folder, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
}

void TForm1::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  for (int panel = 0; panel < 2; ++panel) {
    statusPanels_[panel] = new QLabel(bar);
    statusPanels_[panel]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
    statusPanels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  statusPanels_[0]->setFixedWidth(200);
  bar->addWidget(statusPanels_[0]);
  bar->addWidget(statusPanels_[1], 1);
}

QAction* TForm1::AddCommand(QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)()) {
  QAction* action = AddItem(menu, name, caption);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void TForm1::AddClipboardCommands(QMenu* menu, const char* cut, const char* copy, const char* paste) {
  AddCommand(menu, cut, QStringLiteral("切り取り"), &TForm1::Cut2Click);
  AddCommand(menu, copy, QStringLiteral("コピー"), &TForm1::Copy2Click);
  AddCommand(menu, paste, QStringLiteral("貼り付け"), &TForm1::Paste2Click);
}

void TForm1::ShowContextMenu(const QPoint& at) {
  QMenu* popup = popupMode_ == PopupMode::Math ? PopupMenu2 : PopupMenu1;
  popup->exec(memo1->viewport()->mapToGlobal(at));
}

QString TForm1::StatusPanelText(int panel) const { return statusPanels_[panel]->text(); }

void TForm1::SetStatusPanelText(int panel, const QString& text) { statusPanels_[panel]->setText(text); }

void TForm1::memo1Change() { SetStatusPanelText(0, QString()); }

void TForm1::N4Click() { buffer_->Undo(); }
void TForm1::Cut2Click() { buffer_->CutToClipboard(); }
void TForm1::Copy2Click() { buffer_->CopyToClipboard(); }
void TForm1::Paste2Click() { buffer_->PasteFromClipboard(); }
void TForm1::N37Click() { buffer_->SelectAll(); }

void TForm1::ToolButton6Click() {
  const QString fileName = CurrentFileName();
  const qsizetype separator =
      std::max({fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u':'), fileName.lastIndexOf(u'/')});
  const QString folder = fileName.left(separator + 1);
  // An empty path would only open some arbitrary place.
  if (!folder.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace zumoku
