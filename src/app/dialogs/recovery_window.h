#pragma once
// The recovery window at start: the text of documents that a program left
// unsaved when it ended without saving (a crash, a power cut), one row each
// with the document's name, its path and when it was last autosaved.
// "復元" takes the chosen one into the editor, "破棄" deletes it after a
// question, "後で" keeps them all for the next start.
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTreeWidget>
#include <functional>
#include <vector>

namespace zumoku {

class RecoveryWindow : public QDialog {
  Q_OBJECT
 public:
  struct Row {
    QString name, path, time;
  };
  struct Actions {
    std::function<void(int row)> restore;
    std::function<void(int row)> discard;
  };
  RecoveryWindow(QWidget* parent, const std::vector<Row>& rows, Actions actions);

  QTreeWidget* ListView1;
  QPushButton* RestoreButton1;
  QPushButton* DiscardButton1;
  QPushButton* LaterButton1;

 public slots:
  void RestoreButton1Click();  // 復元: the chosen row, then the window closes
  void DiscardButton1Click();  // 破棄: the chosen row, after a question
  void LaterButton1Click();    // 後で

 private:
  // The index, among the rows given, of the one chosen; -1 for none.
  int ChosenRow() const;

  Actions actions_;
};

}  // namespace zumoku
