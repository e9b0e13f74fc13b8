#include "app/mainwindow/main_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "app/desktop/autosave.h"
#include "app/desktop/error_box.h"
#include "app/editor/inserted_braces.h"
#include "app/mainwindow/file_menu_keys.h"
#include "app/widgets/fonts.h"
#include "app/widgets/image_list.h"
#include "app/widgets/menu_items.h"
#include "app/widgets/tool_bar_items.h"
#include "recovery/recovery_folder.h"

namespace zumoku {

namespace {
// Position and outer size, the window system's frame included.
constexpr QRect kFrameGeometry(195, 126, 637, 450);
}  // namespace

TForm1::TForm1() : TForm1(StartUp{}) {}

TForm1::TForm1(const StartUp& startUp)
    : programSettings_(std::make_unique<ProgramSettings>(startUp.dataFolder)), splash_(startUp.splash) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Zumoku"));
  setFont(WindowFont());
  setGeometry(kFrameGeometry);  // until the frame is known

  memo1 = new Memo(this);
  memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  setCentralWidget(memo1);
  buffer_ = std::make_unique<MemoBuffer>(*memo1);
  connect(memo1, &Memo::edited, this, &TForm1::memo1Change);
  connect(memo1, &Memo::refused, this, StatusWriter());
  connect(memo1, &Memo::customContextMenuRequested, this, &TForm1::ShowContextMenu);
  memo1->SetKeyPressHandler([this](char& key) { RunCommand([&] { memo1KeyPress(key); }); });

  BuildMainMenu();
  BuildToolBar();
  BuildStatusBar();
  BuildPopupMenu1();
  BuildPopupMenu2();
  SetUpDocuments();
  SetUpRecovery(startUp.dataFolder);
  SetUpNew(startUp.settingsFolder);
  SetUpTypesetting();
  SetUpPictures();
  SetUpView();
  SetUpFind();
  SetUpOptions();
  memo1->setFocus();
  FormCreate();
}

// Autosave's worker writes through files_: it ends before the members go.
TForm1::~TForm1() { delete autosave_; }

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (framePlaced_) return;
  framePlaced_ = true;
  PlaceWindow();
}

void TForm1::PlaceWindow() {
  const auto place = programSettings_->Window();
  // A screen that was there when the window closed may be gone now.
  if (!place || QGuiApplication::screenAt(place->geometry.center()) == nullptr) {
    setGeometry(kFrameGeometry.marginsRemoved(windowHandle()->frameMargins()));
    return;
  }
  setGeometry(place->geometry);
  restoreState(place->state);
  if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::RememberWindowPlace() {
  programSettings_->SetWindow({.geometry = normalGeometry(), .maximized = isMaximized(), .state = saveState()});
}

void TForm1::FormCreate() {
  if (!OfferRecovery() && splash_) ShowSplash();
  SetStatusPanelText(1, QStringLiteral("PopUpモード：基本モード"));
}

void TForm1::BuildMainMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* file = bar->addMenu(QStringLiteral("ファイル"));
  file->setObjectName(QStringLiteral("File1"));
  // Documents run their own flows, not as one command of the text.
  AddFileEntry(file, "N2", QStringLiteral("新規作成"), &TForm1::N2Click, {QKeySequence::New, Qt::CTRL | Qt::Key_N});
  AddFileEntry(file, "Open1", QStringLiteral("開く..."), &TForm1::Open1Click,
               {QKeySequence::Open, Qt::CTRL | Qt::Key_O});
  BuildRecentMenu(file);
  AddSeparator(file, "N3");
  Save1 = AddFileEntry(file, "Save1", QStringLiteral("上書き保存"), &TForm1::Save1Click,
                       {QKeySequence::Save, Qt::CTRL | Qt::Key_S});
  Save1->setEnabled(false);
  AddFileEntry(file, "SaveAs1", QStringLiteral("名前をつけて保存..."), &TForm1::SaveAs1Click,
               {QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S});
  BuildEncodingEntries(file);
  AddSeparator(file, "N1");
  AddFileEntry(file, "Exit1", QStringLiteral("終了"), &TForm1::Exit1Click, {QKeySequence::Quit, Qt::CTRL | Qt::Key_Q});

  QMenu* edit = bar->addMenu(QStringLiteral("編集"));
  edit->setObjectName(QStringLiteral("Edit1"));
  AddCommand(edit, "N4", QStringLiteral("元に戻す"), &TForm1::N4Click);
  AddSeparator(edit, "N5");
  AddClipboardCommands(edit, "Cut1", "Copy1", "Paste1");
  AddSeparator(edit, "N36");
  AddCommand(edit, "N37", QStringLiteral("全て選択"), &TForm1::N37Click);
  QAction* goToLine = AddItem(edit, "GoToLine1", QStringLiteral("行へ移動..."));
  goToLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  connect(goToLine, &QAction::triggered, this, &TForm1::GoToLine1Click);

  BuildFindMenu();

  QMenu* settings = bar->addMenu(QStringLiteral("設定"));
  settings->setObjectName(QStringLiteral("N7"));
  connect(AddItem(settings, "N8", QStringLiteral("プログラムの設定...")), &QAction::triggered, this, &TForm1::N8Click);

  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName(QStringLiteral("Help1"));
  AddCommand(help, "N6", QStringLiteral("このプログラムについて..."), &TForm1::N6Click);
}

void TForm1::BuildToolBar() {
  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  QToolBar* bar = ToolBar1;
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFixedHeight(31);
  bar->setIconSize(QSize(16, 16));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  ImageList1 = MakeImageList1();

  connect(AddToolButton(bar, "ToolButton1", ImageList1.at(kImageNew)), &QToolButton::clicked, this, &TForm1::N2Click);
  connect(AddToolButton(bar, "ToolButton2", ImageList1.at(kImageOpen)), &QToolButton::clicked, this,
          &TForm1::Open1Click);
  // The button stays enabled while "上書き保存" is not; Save then runs Save As.
  connect(AddToolButton(bar, "ToolButton3", ImageList1.at(kImageSave)), &QToolButton::clicked, this,
          &TForm1::Save1Click);
  AddToolGap(bar);
  ToolButton4 = AddToolButton(bar, "ToolButton4", ImageList1.at(kImageMath));
  connect(ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
  AddToolGap(bar);
  // Without an image the button stays raised, so it can still be seen.
  QToolButton* folder = AddToolButton(bar, "ToolButton6", QIcon());
  folder->setAutoRaise(false);
  folder->setFixedSize(23, 22);
  connect(folder, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
}

void TForm1::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  for (int panel = 0; panel < 4; ++panel) {
    statusPanels_[panel] = new QLabel(bar);
    statusPanels_[panel]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
    statusPanels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusPanels_[panel]->setTextFormat(Qt::PlainText);  // messages carry paths
  }
  statusPanels_[0]->setFixedWidth(200);
  bar->addWidget(statusPanels_[0]);
  bar->addWidget(statusPanels_[1], 1);
  bar->addWidget(statusPanels_[2]);
  bar->addWidget(statusPanels_[3]);
}

bool TForm1::RunCommand(const std::function<void()>& command) {
  EditBuffer& buffer = Buffer();
  const bool outermost = commandDepth_++ == 0;
  const bool modifiedBefore = buffer.Modified();
  if (outermost) commandFailed_ = false;
  const QString statusBefore = StatusPanelText(0);
  buffer.BeginUndoStep();
  try {
    command();
  } catch (const UnencodableText&) {
    CommandFailed(QStringLiteral("Shift_JISで表せない文字があるため、この操作は行えません"));
  } catch (const std::exception& e) {
    CommandFailed(QStringLiteral("この操作は行えません（%1）").arg(QString::fromLocal8Bit(e.what())));
  }
  const QString statusOfCommand = StatusPanelText(0);
  --commandDepth_;
  if (buffer.EndUndoStep() && commandFailed_) {
    buffer.Undo();
    buffer.SetModified(modifiedBefore);
  }
  // The widget reports the step's change only when the step ends, which
  // empties panel 0; a message the command wrote itself stays.
  if (statusOfCommand != statusBefore) SetStatusPanelText(0, statusOfCommand);
  return !commandFailed_;
}

// One box per command, however deep the failure.
void TForm1::CommandFailed(const QString& message) {
  if (!commandFailed_) ShowErrorBox(this, message);
  commandFailed_ = true;
}

std::function<void()> TForm1::Guarded(void (TForm1::*slot)()) {
  return [this, slot] { RunCommand([this, slot] { (this->*slot)(); }); };
}

QAction* TForm1::AddCommand(QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)()) {
  QAction* action = AddItem(menu, name, caption);
  connect(action, &QAction::triggered, this, Guarded(slot));
  return action;
}

QAction* TForm1::AddFileEntry(QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)(),
                              const FileKeys& keys) {
  QAction* action = AddItem(menu, name, caption);
  SetStandardKeys(*action, keys.key, keys.fallback);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void TForm1::AddRows(QMenu* menu, std::initializer_list<MenuRow> rows) {
  for (const MenuRow& row : rows) {
    if (row.slot != nullptr) {
      AddCommand(menu, row.name, row.caption, row.slot);
    } else {
      AddSeparator(menu, row.name);
    }
  }
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

std::function<void(const QString&)> TForm1::StatusWriter() {
  return [this](const QString& text) { SetStatusPanelText(0, text); };
}

void TForm1::memo1Change() { SetStatusPanelText(0, QString()); }

void TForm1::N4Click() { buffer_->Undo(); }
void TForm1::Cut2Click() { buffer_->CutToClipboard(); }
void TForm1::Copy2Click() { buffer_->CopyToClipboard(); }
void TForm1::Paste2Click() { buffer_->PasteFromClipboard(); }
void TForm1::N37Click() { buffer_->SelectAll(); }

void TForm1::ToolButton6Click() {
  // Qt gives every path with "/" between folders; ":" and "\" may be part
  // of a file name.
  const QString fileName = CurrentFileName();
  const QString folder = fileName.left(fileName.lastIndexOf(u'/') + 1);
  // An empty path would only open some arbitrary place.
  if (!folder.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace zumoku
