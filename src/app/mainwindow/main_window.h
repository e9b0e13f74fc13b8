#pragma once
// Form1, the main window: the editor memo1, the main menu, the toolbar, the
// status bar and the context menus. It wires each component to its command;
// the commands themselves live in the libraries below app/.
//
// The windows, their classes keeping the component names the program is
// driven and tested by, their files named by role:
//
//   class            file under app/                       role
//   TForm1           mainwindow/main_window.h              the main window (this file)
//   TForm2           dialogs/count_dialog.h                the count of items or spaces for a list
//   TForm3           dialogs/document_settings_dialog.h    New's document class, preamble and title
//   TForm4           dialogs/splash_window.h               the splash at start: New, Open or quit
//   TForm5           dialogs/matrix_dialog.h               a matrix's brackets, rows and columns
//   TForm6           dialogs/about_window.h                the About window and the version check
//   TSectionManager  dialogs/section_manager.h             the section heads; a double-click selects one
//   ProgramSettingsDialog  dialogs/program_settings_dialog.h  "プログラムの設定": the program's options
//   Typesetting      typesetting/typesetting.h             the log and PDF docks of a typesetting run
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/desktop/data_folder.h"
#include "app/desktop/disk_files.h"
#include "app/desktop/program_settings.h"
#include "app/desktop/settings_folder.h"
#include "app/desktop/window_prompts.h"
#include "app/dialogs/section_manager.h"
#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "app/editor/reading_aids.h"
#include "app/typesetting/typesetting.h"
#include "documents/document.h"
#include "documents/recent_files.h"
#include "markup/alignment.h"
#include "markup/list_text.h"
#include "new_document/document_settings.h"
#include "new_document/settings_files.h"
#include "options/program_options.h"
#include "paper/root_finder.h"
#include "pictures/picture_insertion.h"
#include "punctuation/marks.h"

namespace zumoku {

class Typesetting;
class FileWatcher;
class Autosave;
class InsertedBraces;
class TypedPunctuation;
class RecoveryFolder;
struct LeftRecovery;
class FindBar;
class Completer;
class WordSource;
class StatusPanel;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // The real program starts with the splash window; tests build the window
  // without it and may read the settings from a folder of their own, and
  // keep the program's settings file and recovery files in another.
  struct StartUp {
    bool splash = false;
    std::string settingsFolder = SettingsFolder();
    QString dataFolder = DataFolder();
  };
  TForm1();
  explicit TForm1(const StartUp& startUp);
  ~TForm1() override;

  EditBuffer& Buffer() { return *buffer_; }
  // Panel 0 shows short messages, panel 1 the context-menu mode, panel 2 the
  // caret's line and column, panel 3 the document's encoding and line ends.
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
  void FormCreate();   // the window made: the splash, panel 1
  void memo1Change();  // memo1's text changed

  // Edit menu and the cut/copy/paste entries of both context menus.
  void N4Click();                       // 元に戻す
  void Redo1Click();                    // やり直し
  void Cut2Click();                     // 切り取り
  void Copy2Click();                    // コピー
  void Paste2Click();                   // 貼り付け
  void N37Click();                      // 全て選択
  void GoToLine1Click();                // 行へ移動...
  void PunctuationFullwidth1Click();    // 句読点を統一：「，．」にする
  void PunctuationIdeographic1Click();  // 句読点を統一：「、。」にする
  void ToolButton6Click();              // ToolButton6: the document's folder

  // Font styles ("書体").
  void N12Click();        // ボールド：Bold
  void N13Click();        // イタリック：Italic
  void emphasis1Click();  // 強調：emphasis
  // The misspelt name stays: menus and tests drive the command by it.
  void Taypewriter1Click();  // タイプライター：Taypewriter
  void SansSerif1Click();    // 見出し：Sans Serif
  void SMALLCAPS1Click();    // 見出し：SMALL CAPS
  void Slanted1Click();      // 傾斜：Slanted
  void N32Click();           // 書体修飾を取り消す

  // Text context menu: opening, sizes, alignment, inserts, lists, spaces.
  void PopupMenu1Popup();         // PopupMenu1 opening
  void N10Huge1Click();           // 10：Huge
  void N9huge1Click();            // 9：huge
  void N8LARGE1Click();           // 8：LARGE
  void N7Large1Click();           // 7：Large
  void N6large1Click();           // 6：large
  void N5normalsize1Click();      // 5：normalsize（標準）
  void N4small1Click();           // 4：small
  void N3footnotesize1Click();    // 3：footnotesize
  void N2scriptsize1Click();      // 2：scriptsize
  void N1tiny1Click();            // 1：tiny
  void N33Click();                // サイズの変更を取り消す
  void N24Click();                // 左揃え
  void N26Click();                // 中央揃え
  void N25Click();                // 右揃え
  void TeX5Click();               // TeX
  void LaTeX1Click();             // LaTeX
  void LaTeXe1Click();            // LaTeX2e
  void N16Click();                // 引用符：“...”
  void N28Click();                // 脚注*：\footnote{...}
  void marginpar1Click();         // 標準：\marginpar{...}
  void reversemarginpar1Click();  // 逆出力：\reversemarginpar{...}
  void N30Click();                // 左右別文言：\marginpar[左：...]{右：...}
  void Verb2Click();              // 文字通りに：\verb|...|
  void N15Click();                // 空白を明示：\verb*|...|
  void verbatim1Click();          // verbatim環境
  void verbatim2Click();          // 空白を明示したverbatim*環境
  void N40Click();                // 圏点(日本語だけ)
  void N55Click();                // セクションを追加
  void N56Click();                // サブセクションを追加
  void N53Click();                // 画像を貼り付ける: the clipboard's picture or a chosen file, as a figure
  void itemize1Click();           // 通常の「・」：itemize
  void enumerate1Click();         // 番号付き：enumerate
  void description1Click();       // 見出し付き：description
  void item1Click();              // \itemだけを追加する
  void item2Click();              // \item[ ]だけを追加する
  void N20Click();                // 「\」による空白
  void N21Click();                // 「~」による空白
  void N58Click();                // セクションマネージャーを開く...: another one at each use

  // Math mode: context-menu switching, formulas, matrix, symbols, typing aid.
  void N44Click();                // 数式コマンドに変更
  void N47Click();                // 基本コマンドに変更
  void ToolButton4Click();        // ToolButton4: the other menu
  void PopupMenu2Popup();         // PopupMenu2 opening
  void N48Click();                // $...$の数式環境に入れる
  void equation1Click();          // 一行数式：equation
  void gather1Click();            // 複数行の数式：gather
  void equation2Click();          // 一行式（番号無し）：equation*
  void gather2Click();            // 複数行の数式（番号無し）：gather*
  void N42Click();                // 行列
  void TeX6Click();               // 選択範囲のΘ・｛｝・（）等をTeXのコマンドに置き換える
  void memo1KeyPress(char& Key);  // a key typed in memo1

  // New ("新規作成", ToolButton1 and the splash).
  void N2Click();  // 新規作成

  // Documents ("ファイル" menu, toolbar buttons 2 and 3, dropped files).
  void Open1Click();    // 開く...
  void Save1Click();    // 上書き保存
  void SaveAs1Click();  // 名前をつけて保存...
  void Exit1Click();    // 終了

  // Encodings ("ファイル" menu).
  void ReopenShiftJis1Click();               // 文字コードを指定して開き直す：Shift_JIS
  void ReopenUtf81Click();                   // 文字コードを指定して開き直す：UTF-8
  void SaveInFormat1Click();                 // 文字コードを変えて保存...
  void DropFiles(const QStringList& paths);  // files dropped on the window
  // Opens a file named on the command line as "開く..." opens a chosen one.
  void OpenFile(const QString& path);

  // "最近使ったファイル": one of its entries, and "一覧を消去".
  void RecentFileClick(const QString& path);
  void ClearRecent1Click();
  // Find ("検索" menu): the find bar under memo1.
  void Find1Click();          // 検索...
  void Replace1Click();       // 置換...
  void FindNext1Click();      // 次を検索
  void FindPrevious1Click();  // 前を検索

  // "設定" menu.
  void N8Click();  // プログラムの設定...

  // Help menu: the About window.
  void N6Click();  // このプログラムについて...

  // Typesetting ("タイプセット" menu, its toolbar button).
  void Typeset1Click();      // タイプセット
  void StopTypeset1Click();  // 停止
  void OpenPdf1Click();      // PDF を外部ビューアで開く
  void SyncToPdf1Click();    // PDF の対応箇所へ
  void Back1Click();         // 戻る: before the last jump to an error or from the PDF
  // A paper of many files ("タイプセット" menu).
  void SetRoot1Click();    // 親ファイルを設定...
  void ClearRoot1Click();  // 親ファイルを解除
  // PopupMenu1's ファイルを開く: the file the command at the caret names.
  void OpenNamedFile1Click();
  void NewChapter1Click();  // 新しい章ファイル...

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
  // "句読点を統一" and the count of each style that the format panel shows.
  void BuildPunctuationMenu(QMenu* edit);
  void UnifyPunctuation(punctuation::Style style);
  void CountPunctuation();
  // Alt with each top menu's letter, and F10, open the menus from the keyboard.
  void SetUpMenuKeys();
  // "文字コードを指定して開き直す" and "文字コードを変えて保存...".
  void BuildEncodingEntries(QMenu* file);
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
  void AddSaveKeyWithoutFile();
  // Offers the document's file for reloading when another program changed it.
  void CheckDocumentFile();
  // Watches the file the document names now, after a command that may have
  // named or written it.
  void WatchDocumentFile();
  // After each document command: the file watched, the recent files, the
  // recovery file of text that is saved or gone.
  void DocumentCommandDone();
  // Autosave, and the recovery window at start.
  void SetUpRecovery(const QString& dataFolder);
  // Offers what earlier runs left unsaved; true when a document was restored.
  bool OfferRecovery();
  // False when its bytes cannot be read (the error box said so).
  bool RestoreLeft(const LeftRecovery& left);
  // "最近使ったファイル", filled again from recent_ at each change.
  void BuildRecentMenu(QMenu* file);
  void FillRecentMenu();
  void RememberRecentFiles();
  // The window's place and layout of the last run, or the first-start default.
  void PlaceWindow();
  void RememberWindowPlace();
  void SetUpNew(const std::string& settingsFolder);
  void ShowSplash();
  void SetUpTypesetting();
  // The root of the document's paper: its menu entries and status panel 4.
  void SetUpPaper(QMenu* typesetMenu);
  QString ChosenRoot() const;
  paper::Root DocumentRoot(const std::string& text);
  paper::Root ChooseRootAmong(const std::vector<std::string>& candidates, const std::string& text);
  // Panel 4 and the menu's first paper entry say which file typesets the document.
  void ShowRoot();
  std::optional<Typesetting::Target> RootToTypeset();
  QString KnownRootPath();
  // Opens the file a command names at this byte offset (ファイルを開く, Ctrl+click);
  // false when no command names one there.
  bool OpenNamedFileAt(int offset);
  // Opens a file of the paper as "開く" would; true when it is the document now.
  bool OpenPaperFile(const QString& path);
  // The files of the document's paper for the section manager.
  TSectionManager::Paper SectionPaper();
  void SetUpPictures();
  // Highlighting, line numbers, the caret's place, the changed-document mark.
  void SetUpView();
  // The options of the settings file, put into effect; unreadable values
  // are named once in panel 0.
  void SetUpOptions();
  void ApplyOptions(const options::ProgramOptions& options);
  void ShowCaretPlace();
  // The "検索" menu and the find bar under memo1.
  void BuildFindMenu();
  void SetUpFind();
  // Completion: the list at the caret, and its words gathered again after
  // open, save and typesetting.
  void SetUpCompletion();
  void RefreshCompletion();

  bool framePlaced_ = false;
  std::unique_ptr<ProgramSettings> programSettings_;
  std::unique_ptr<MemoBuffer> buffer_;
  QList<QIcon> ImageList1;  // the toolbar's images, drawn once
  // The components the window reads or changes after building them.
  QAction* Save1 = nullptr;
  QMenu* Reopen1 = nullptr;  // enabled while the document has a file
  QMenu* Find2 = nullptr;    // the typesetting menu goes in before it
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
  StatusPanel* statusPanels_[4] = {};
  QTimer* punctuationCount_ = nullptr;  // the styles counted once typing pauses
  int commandDepth_ = 0;
  bool commandFailed_ = false;
  // Documents.
  DiskFiles files_;
  std::unique_ptr<WindowPrompts> prompts_;
  std::unique_ptr<Document> document_;
  FileWatcher* fileWatcher_ = nullptr;
  std::unique_ptr<RecoveryFolder> recovery_;
  Autosave* autosave_ = nullptr;
  RecentFiles recent_;
  QMenu* Recent1 = nullptr;
  std::unique_ptr<SettingsFiles> settings_;
  std::unique_ptr<pictures::PictureSource> pictureSource_;
  std::unique_ptr<pictures::PictureInsertion> pictures_;
  bool splash_ = false;
  bool quitAtStart_ = false;

  // Typesetting.
  Typesetting* typesetting_ = nullptr;
  QAction* RootInfo1 = nullptr;
  QAction* ClearRoot1 = nullptr;
  StatusPanel* rootPanel_ = nullptr;
  FindBar* findBar_ = nullptr;
  Completer* completer_ = nullptr;
  WordSource* wordSource_ = nullptr;

  // "プログラムの設定" and what it switches.
  options::ProgramOptions options_;
  ReadingAids readingAids_{};
  std::unique_ptr<InsertedBraces> insertedBraces_;
  std::unique_ptr<TypedPunctuation> typedPunctuation_;
};

}  // namespace zumoku
