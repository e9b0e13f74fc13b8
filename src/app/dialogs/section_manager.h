#pragma once
// The section manager: a small window, on top of the main window, listing
// the names of the section heads in the text. A double-click on a name, or
// Enter on it, selects its head in the editor and closes the window. Each use of the
// menu entry opens another one; a closed window is destroyed.
#include <QHelpEvent>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "buffer/edit_buffer.h"

namespace zumoku {

class TSectionManager : public QWidget {
  Q_OBJECT
 public:
  // Lists the heads of `buffer`'s text on top of `owner`; `showStatus`
  // tells the main window's status bar that a head has gone.
  TSectionManager(QWidget& owner, EditBuffer& buffer, std::function<void(const QString&)> showStatus);

  QPushButton* Button1;
  QListWidget* ListBox1;

 public slots:
  void FormCreate();
  // Appends the names of a new scan; the list is never emptied.
  void Button1Click();
  void ListBox1DblClick();
  void FormClose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Append(const std::vector<std::string>& names);
  void ShowNameTip(const QHelpEvent* help);

  // The head a row stands for: its name's bytes, which the jump searches
  // for, and which of the heads of that name it is, from 0.
  struct Head {
    std::string name;
    int nth = 0;
  };

  EditBuffer& buffer_;
  std::function<void(const QString&)> showStatus_;
  std::vector<Head> heads_;
};

}  // namespace zumoku
