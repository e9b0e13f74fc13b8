#pragma once
// Form1, the main window: the editor memo1, the main menu, the toolbar, the
// status bar and the context menus. It wires each component to its command;
// the commands themselves live in the libraries below app/.
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

#include "markup/alignment.h"
#include "app/desktop/disk_files.h"
#include "documents/document.h"
#include "app/editor/memo_buffer.h"
#include "markup/list_text.h"
#include "app/editor/memo.h"
#include "app/desktop/window_prompts.h"
#include "app/desktop/settings_folder.h"
#include "setup/document_settings.h"
#include "setup/settings_files.h"
#include "pictures/picture_insertion.h"

namespace zumoku {

class Typesetting;
class FileWatcher;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // The real program starts with the splash window; tests build the window
  // without it and may read the settings from a folder of their own.
  struct StartUp {
    bool splash = false;
    std::string settingsFolder = SettingsFolder();
  };
  TForm1();
  explicit TForm1(const StartUp& startUp);
  ~TForm1() override;

  EditBuffer& Buffer() { return *buffer_; }
  // Panel 0 shows short messages, panel 1 the context-menu mode.
  QString StatusPanelText(int panel) const;
  void SetStatusPanelText(int panel, const QString& text);
  // Writes into panel 0: what the windows and helpers that report there are given.
  std::function<void(const QString&)> StatusWriter();

  // The document's file name (empty at start), kept by the document.
  QString CurrentFileName() const;

  // Runs one command: its writes become one undo step, and whatever it
  // throws is shown in the error box with the text left as it was. Returns
  // false when it failed. Commands run from inside another one (a dialog's
  // OK) join it.
  bool RunCommand(const std::function<void()>& command);

  // Set by each opening of the text context menu: the alignment blocks the
  // selection held, which the alignment commands act on.
  bool HasFlushLeft = false;
  bool HasCenter = false;
  bool HasFlushRight = false;
  // The last answer of the count dialog, shared by the list and space commands.
  int ItemCount = 0;
  bool HeadingLineBreak = false;
  // True when the selection looked like one inline formula the last time the
  // formula menu opened.
  bool InlineMathSelected = false;
  // The new-document template (ClassLine, PreambleText, TitleBlock), set by
  // the document settings dialog's OK and kept for the run.
  NewDocumentTemplate Template;

  // True when the splash window's "終了する" ended the program at start.
  bool QuitAtStart() const { return quitAtStart_; }

  Memo* memo1 = nullptr;

 public slots:
  void FormCreate();
  void memo1Change();

  // Edit menu and the cut/copy/paste entries of both context menus.
  void N4Click();
  void Cut2Click();
  void Copy2Click();
  void Paste2Click();
  void N37Click();
  void ToolButton6Click();

  // Font styles ("書体").
  void N12Click();
  void N13Click();
  void emphasis1Click();
  void Taypewriter1Click();
  void SansSerif1Click();
  void SMALLCAPS1Click();
  void Slanted1Click();
  void N32Click();

  // Text context menu: opening, sizes, alignment, inserts, lists, spaces.
  void PopupMenu1Popup();
  void N10Huge1Click();
  void N9huge1Click();
  void N8LARGE1Click();
  void N7Large1Click();
  void N6large1Click();
  void N5normalsize1Click();
  void N4small1Click();
  void N3footnotesize1Click();
  void N2scriptsize1Click();
  void N1tiny1Click();
  void N33Click();
  void N24Click();
  void N26Click();
  void N25Click();
  void TeX5Click();
  void LaTeX1Click();
  void LaTeXe1Click();
  void N16Click();
  void N28Click();
  void marginpar1Click();
  void reversemarginpar1Click();
  void N30Click();
  void Verb2Click();
  void N15Click();
  void verbatim1Click();
  void verbatim2Click();
  void N40Click();
  void N55Click();
  void N56Click();
  // Inserts a picture from the clipboard or a chosen file as a figure.
  void N53Click();
  void itemize1Click();
  void enumerate1Click();
  void description1Click();
  void item1Click();
  void item2Click();
  void N20Click();
  void N21Click();
  // Opens another section manager.
  void N58Click();

  // Math mode: context-menu switching, formulas, matrix, symbols, typing aid.
  void N44Click();
  void N47Click();
  void ToolButton4Click();
  void PopupMenu2Popup();
  void N48Click();
  void equation1Click();
  void gather1Click();
  void equation2Click();
  void gather2Click();
  void N42Click();
  void TeX6Click();
  void memo1KeyPress(char& Key);

  // New ("新規作成", ToolButton1 and the splash).
  void N2Click();

  // Documents ("ファイル" menu, toolbar buttons 2 and 3, dropped files).
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Exit1Click();
  void DropFiles(const QStringList& paths);
  // Opens a file named on the command line as "開く..." opens a chosen one.
  void OpenFile(const QString& path);

  // Help menu: the About window.
  void N6Click();

  // Typesetting ("タイプセット" menu, its toolbar button).
  void Typeset1Click();
  void StopTypeset1Click();
  void OpenPdf1Click();

 protected:
  // Places the window, frame included, once the frame's size is known.
  void showEvent(QShowEvent* event) override;
  // Documents: closing the window asks about unsaved changes like "終了".
  void closeEvent(QCloseEvent* event) override;
  // Documents: coming to the front checks the file for other programs' changes.
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMainMenu();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPopupMenu1();
  void ShowContextMenu(const QPoint& at);
  // `slot` run as a command.
  std::function<void()> Guarded(void (TForm1::*slot)());
  void CommandFailed(const QString& message);
  // A menu item named `name` that runs `slot`.
  QAction* AddCommand(QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)());
  // A "ファイル" entry named `name` that runs `slot` (not as a command) on
  // the platform's key, or on `fallback` where the platform has none.
  struct FileKeys {
    QKeySequence::StandardKey key;
    QKeyCombination fallback;
  };
  QAction* AddFileEntry(QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)(),
                        const FileKeys& keys);
  // A row of a menu's table: an entry named `name` that runs `slot` as a
  // command, or, without a slot, a separator named `name`.
  struct MenuRow {
    const char* name;
    QString caption{};
    void (TForm1::*slot)() = nullptr;
  };
  void AddRows(QMenu* menu, std::initializer_list<MenuRow> rows);
  // The cut, copy and paste items that the edit menu and both context menus share.
  void AddClipboardCommands(QMenu* menu, const char* cut, const char* copy, const char* paste);
  // Text context menu helpers.
  void AlignSelection(align::Environment environment);
  void InsertAskedList(const list::ListShape& shape);
  void InsertAskedSpaces(const list::SpaceShape& shape);
  enum class PopupMode { Basic, Math };
  void BuildPopupMenu2();
  void SetPopupMode(PopupMode mode);
  void SetUpDocuments();
  // Offers the document's file for reloading when another program changed it.
  void CheckDocumentFile();
  // Watches the file the document names now, after a command that may have
  // named or written it.
  void WatchDocumentFile();
  void SetUpNew(const std::string& settingsFolder);
  void ShowSplash();
  void SetUpTypesetting();
  void SetUpPictures();

  bool framePlaced_ = false;
  std::unique_ptr<MemoBuffer> buffer_;
  QList<QIcon> ImageList1;  // the toolbar's images, drawn once
  // The components the window reads or changes after building them.
  QAction* Save1 = nullptr;
  QMenu* Find2 = nullptr;  // the typesetting menu goes in before it
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton4 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* N31 = nullptr;  // the font removal and its separator
  QAction* N32 = nullptr;
  QAction* N33 = nullptr;  // the size removal and its separator
  QAction* N34 = nullptr;
  QAction* N24 = nullptr;  // the alignment entries
  QAction* N26 = nullptr;
  QAction* N25 = nullptr;
  QMenu* PopupMenu2 = nullptr;
  QAction* N48 = nullptr;
  PopupMode popupMode_ = PopupMode::Basic;
  QLabel* statusPanels_[2] = {};
  int commandDepth_ = 0;
  bool commandFailed_ = false;
  // Documents.
  DiskFiles files_;
  std::unique_ptr<WindowPrompts> prompts_;
  std::unique_ptr<Document> document_;
  FileWatcher* fileWatcher_ = nullptr;
  std::unique_ptr<SettingsFiles> settings_;
  std::unique_ptr<pictures::PictureSource> pictureSource_;
  std::unique_ptr<pictures::PictureInsertion> pictures_;
  bool splash_ = false;
  bool quitAtStart_ = false;

  // Typesetting.
  Typesetting* typesetting_ = nullptr;
};

}  // namespace zumoku
