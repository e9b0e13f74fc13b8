#pragma once
// UpDown1-style arrows attached to a one-line edit: each step reads the
// edit's number, moves it by one within the range (no wrap-around) and
// writes it back. The up and down arrow keys in the edit step it too.
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace zumoku {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(QLineEdit* buddy, int minimum, int maximum, int position, QWidget* parent);

 public slots:
  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Step(int delta);

  QLineEdit* buddy_;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_;
  int maximum_;
  int position_;
};

}  // namespace zumoku
