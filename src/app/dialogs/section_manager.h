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
#include <map>
#include <string>
#include <vector>

#include "buffer/edit_buffer.h"

namespace zumoku {

class TSectionManager : public QWidget {
  Q_OBJECT
 public:
  // The files of the document's paper in reading order, and the files that
  // could not be read, each named once.
  struct PaperFile {
    QString path;
    QString shownName;  // beside its heads
    std::string text;
    Encoding encoding = Encoding::kShiftJis;
    int parent = -1;         // the file that reads it; -1 for the root
    std::size_t readAt = 0;  // where in its parent's text
  };
  struct Paper {
    std::vector<PaperFile> files;
    QStringList problems;
  };
  // What the window needs of the main window for a paper of many files.
  struct PaperAccess {
    std::function<QString()> documentPath;  // the open document's; its heads come from the editor
    std::function<Paper()> read;
    std::function<bool(const QString& path)> open;  // as "開く"; true when it is the document now
  };

  // Lists the heads of `buffer`'s text on top of `owner`, or of the whole
  // paper when `paper` reads one; `showStatus` tells the main window's
  // status bar that a head has gone.
  TSectionManager(QWidget& owner, EditBuffer& buffer, std::function<void(const QString&)> showStatus,
                  PaperAccess paper = {});

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
  void AppendPaper();
  // The heads of file `index` with those of the files it reads at their
  // places, in reading order.
  void AppendFile(const Paper& paper, int index);
  void AppendHead(const PaperFile& file, const std::string& name, std::map<std::string, int>& seen);
  void ShowNameTip(const QHelpEvent* help);

  // The head a row stands for: its name's bytes, which the jump searches
  // for, and which of the heads of that name it is, from 0.
  struct Head {
    std::string name;
    int nth = 0;
    QString file = {};  // another file of the paper; empty for the open document
  };

  EditBuffer& buffer_;
  std::function<void(const QString&)> showStatus_;
  PaperAccess paper_;
  std::vector<Head> heads_;
};

}  // namespace zumoku
