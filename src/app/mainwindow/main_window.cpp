#include "app/mainwindow/main_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "app/desktop/autosave.h"
#include "app/desktop/error_box.h"
#include "app/editor/inserted_braces.h"
#include "app/editor/typed_punctuation.h"
#include "app/mainwindow/file_menu_keys.h"
#include "app/widgets/fonts.h"
#include "app/widgets/image_list.h"
#include "app/widgets/menu_items.h"
#include "app/widgets/status_panel.h"
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
  // Queued: the file opens after the click, not inside memo1's mouse handling;
  // a Ctrl+click on anything else stays a click.
  connect(
      memo1, &Memo::controlClicked, this, [this](int offset) { OpenNamedFileAt(offset); }, Qt::QueuedConnection);
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
  SetUpCompletion();
  SetUpOptions();
  SetUpMenuKeys();
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
  SetPopupMode(PopupMode::Basic);
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
  connect(AddItem(file, "NewChapter1", QStringLiteral("新しい章ファイル...")), &QAction::triggered, this,
          &TForm1::NewChapter1Click);
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
  // The editor takes these keys itself; the menu shows them.
  AddCommand(edit, "N4", QStringLiteral("元に戻す"), &TForm1::N4Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = AddCommand(edit, "Redo1", QStringLiteral("やり直し"), &TForm1::Redo1Click);
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  redo->setEnabled(false);
  connect(memo1, &Memo::redoAvailable, redo, &QAction::setEnabled);
  AddSeparator(edit, "N5");
  AddClipboardCommands(edit, "Cut1", "Copy1", "Paste1");
  AddSeparator(edit, "N36");
  AddCommand(edit, "N37", QStringLiteral("全て選択"), &TForm1::N37Click);
  QAction* goToLine = AddItem(edit, "GoToLine1", QStringLiteral("行へ移動..."));
  goToLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  connect(goToLine, &QAction::triggered, this, &TForm1::GoToLine1Click);
  BuildPunctuationMenu(edit);

  BuildFindMenu();

  QMenu* settings = bar->addMenu(QStringLiteral("設定"));
  settings->setObjectName(QStringLiteral("N7"));
  connect(AddItem(settings, "N8", QStringLiteral("プログラムの設定...")), &QAction::triggered, this, &TForm1::N8Click);

  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
  help->setObjectName(QStringLiteral("Help1"));
  AddCommand(help, "N6", QStringLiteral("このプログラムについて..."), &TForm1::N6Click);
}

void TForm1::SetUpMenuKeys() {
  const struct {
    const char* name;
    char letter;
  } menus[] = {{"File1", 'F'}, {"Edit1", 'E'}, {"TypesetMenu1", 'T'}, {"Find2", 'S'}, {"N7", 'O'}, {"Help1", 'H'}};
  for (const auto& [name, letter] : menus) {
    QMenu* menu = findChild<QMenu*>(QLatin1String(name));
    menu->setTitle(QStringLiteral("%1(&%2)").arg(menu->title(), QChar::fromLatin1(letter)));
  }
  auto* f10 = new QAction(this);
  f10->setShortcut(QKeySequence(Qt::Key_F10));
  addAction(f10);
  connect(f10, &QAction::triggered, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
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

  // Each button's tooltip names its command and the key of its menu entry.
  const auto add = [this, bar](const char* name, const QIcon& icon, const char* entry, void (TForm1::*slot)()) {
    QToolButton* button = AddToolButton(bar, name, icon);
    const QAction* action = findChild<QAction*>(QLatin1String(entry));
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(action->iconText(), action->shortcut().toString(QKeySequence::NativeText)));
    connect(button, &QToolButton::clicked, this, slot);
  };
  add("ToolButton1", ImageList1.at(kImageNew), "N2", &TForm1::N2Click);
  add("ToolButton2", ImageList1.at(kImageOpen), "Open1", &TForm1::Open1Click);
  // The button stays enabled while "上書き保存" is not; Save then runs Save As.
  add("ToolButton3", ImageList1.at(kImageSave), "Save1", &TForm1::Save1Click);
  AddToolGap(bar);
  ToolButton4 = AddToolButton(bar, "ToolButton4", ImageList1.at(kImageMath));  // its tooltip follows the mode
  connect(ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
  AddToolGap(bar);
  QToolButton* folder = AddToolButton(bar, "ToolButton6", MakeFolderImage());
  folder->setToolTip(QStringLiteral("文書のフォルダを開く"));
  connect(folder, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
}

void TForm1::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  // The window system's frame has its own grip.
  bar->setSizeGripEnabled(false);
  // Panel 0 keeps its width unless a message needs more; panel 1 takes what is left.
  for (int panel = 0; panel < 4; ++panel) {
    const QByteArray name = QByteArrayLiteral("StatusBar1Panel") + QByteArray::number(panel);
    statusPanels_[panel] = new StatusPanel(name.constData(), bar, panel == 0 ? 200 : 0);
    bar->addWidget(statusPanels_[panel], panel == 1 ? 1 : 0);
  }
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
    if (buffer.Modified() != modifiedBefore) buffer.SetModified(modifiedBefore);
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
void TForm1::Redo1Click() { memo1->Redo(); }
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
