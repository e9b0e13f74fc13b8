#pragma once
// Form4, the splash window shown before the main window at every start:
// new document, open a file, or quit.
#include <QDialog>
#include <QToolButton>
#include <functional>

namespace zumoku {

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  // The dialog's result after "終了する"; Accepted after New or Open,
  // Rejected when closed by Esc or the window system.
  static constexpr int kQuit = 2;

  // The main window's commands that the first two buttons run.
  struct Commands {
    std::function<void()> newDocument;  // "新規作成"
    std::function<void()> openFile;     // "開く..."
  };
  TForm4(QWidget* parent, Commands commands);

  QToolButton* BitBtn1;
  QToolButton* BitBtn2;
  QToolButton* BitBtn3;

 public slots:
  // The main window's New and Open, run to their end; then the splash closes.
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();

 protected:
  // Tool buttons take only Space: Return and Enter press the focused one too.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QToolButton* Button(const char* name, int left, const QIcon& picture, const QString& caption, const QString& tooltip);

  Commands commands_;
};

}  // namespace zumoku
