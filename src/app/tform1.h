#pragma once
// Form1, the main window: the editor memo1, the main menu, the toolbar, the
// status bar and the context menus. It wires each component to its command;
// the commands themselves live in the libraries below app/.
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "editor_buffer.h"
#include "memo.h"

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

  QString CurrentFileName;

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

  // ---- Math mode: context-menu switching, formulas, matrix, symbols, typing aid.
 public:
  // True when the selection looked like one inline formula the last time the
  // formula menu opened.
  bool InlineMathSelected = false;

 public slots:
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

 private:
  enum class PopupMode { Basic, Math };
  void BuildPopupMenu2();
  void ConnectMathMode();
  void SetPopupMode(PopupMode mode);
  QMenu* PopupMenu2 = nullptr;
  // ---- end of math mode

 private:
  void BuildMainMenu();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPopupMenu1();
  void ShowContextMenu(const QPoint& at);

  Memo* memo1_ = nullptr;
  std::unique_ptr<EditorBuffer> buffer_;
  QMenu* PopupMenu1 = nullptr;
  QMenu* currentPopup_ = nullptr;
  QLabel* statusPanels_[2] = {};
};

}  // namespace zumoku
