#pragma once
// Form4, the splash window shown before the main window at every start:
// new document, open a file, or quit.
#include <QDialog>
#include <QToolButton>

namespace zumoku {

class TForm1;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  // The dialog's result after "終了する"; Accepted after New or Open,
  // Rejected when closed by Esc or the window system.
  static constexpr int kQuit = 2;

  explicit TForm4(TForm1& form1);

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
  QToolButton* Button(const char* name, int left, const QIcon& picture, const QString& caption,
                      const QString& tooltip);

  TForm1& form1_;
};

}  // namespace zumoku
