#pragma once
// Up-down arrows attached to a one-line edit: each click steps the number in
// the edit by one within a range, without wrapping around.
#include <QLineEdit>
#include <QWidget>

namespace zumoku {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent);

 public slots:
  void StepUp() { Step(1); }
  void StepDown() { Step(-1); }

 private:
  // Steps from the number the edit shows, or from the last position when it
  // shows no number.
  void Step(int delta);

  QLineEdit* associate_;
  int min_;
  int max_;
  int position_;
};

}  // namespace zumoku
