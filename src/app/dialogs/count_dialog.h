#pragma once
// Form2, the count dialog of the list and space commands. A fresh dialog is
// made for every command; OK gives its answer, the close box gives none.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/widgets/up_down.h"

namespace zumoku {

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent);

  // The space commands ask for a number of spaces instead of items.
  void RelabelForSpaces();

  // The answer of the OK that closed the dialog.
  int ItemCount() const { return itemCount_; }
  bool HeadingLineBreak() const { return headingLineBreak_; }

  // The components keep the names the program is driven and tested by.
  QLabel* Label1;        // the question: how many \item, or how many spaces
  QLineEdit* Edit1;      // the number
  UpDown* UpDown1;       // steps the number
  QCheckBox* CheckBox1;  // 見出しの直後に改行を入れる
  QPushButton* Button1;  // OK

 public slots:
  // Takes the number and the check box and closes; a text that is not an
  // acceptable number is reported and the dialog stays open.
  void Button1Click();

 protected:
  // The dialog defines no Esc: a dialog's usual Esc would close it without
  // an answer, and the command would go on with the last values.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int itemCount_ = 0;
  bool headingLineBreak_ = false;
};

}  // namespace zumoku
