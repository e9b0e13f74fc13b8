#pragma once
// Form1, the main window: the editor memo1, the main menu, the toolbar, the
// status bar and the context menus. It wires each component to its command;
// the commands themselves live in the libraries below app/.
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "disk_files.h"
#include "document.h"
#include "editor_buffer.h"
#include "memo.h"
#include "window_prompts.h"

namespace zumoku {

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  EditBuffer& Buffer() { return *buffer_; }
  Memo* memo1() const { return memo1_; }
  // Panel 0 shows short messages, panel 1 the context-menu mode.
  QString StatusPanelText(int panel) const;
  void SetStatusPanelText(int panel, const QString& text);

  // The document's file name (empty at start), kept by the document.
  QString CurrentFileName() const;

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

  // Documents ("ファイル" menu, toolbar buttons 2 and 3, dropped files).
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Exit1Click();
  void DropFiles(const QStringList& paths);

 protected:
  // Documents: closing the window asks about unsaved changes like "終了".
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMainMenu();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPopupMenu1();
  void ShowContextMenu(const QPoint& at);
  void SetUpDocuments();

  Memo* memo1_ = nullptr;
  std::unique_ptr<EditorBuffer> buffer_;
  QMenu* PopupMenu1 = nullptr;
  QMenu* currentPopup_ = nullptr;
  QLabel* statusPanels_[2] = {};
  // Documents.
  DiskFiles files_;
  std::unique_ptr<WindowPrompts> prompts_;
  std::unique_ptr<Document> document_;
};

}  // namespace zumoku
