#pragma once
// Form5, the matrix dialog: bracket kind, rows and columns; OK inserts the
// matrix in place of the selection.
#include <QDialog>
#include <QLineEdit>
#include <optional>

#include "buffer/edit_buffer.h"
#include "app/radio_group.h"

namespace zumoku {

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  TForm5(EditBuffer& buffer, QWidget* parent);

  // False after an OK whose matrix needs amsmath in a text without a
  // preamble to name it in.
  bool AmsmathNamed() const { return amsmathNamed_; }

 public slots:
  void Button1Click();

 private:
  // The number in the edit, or empty after telling the user why not.
  std::optional<int> ReadSize(const QLineEdit* edit, const QString& what);

  EditBuffer& buffer_;
  RadioGroup* RadioGroup1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  bool amsmathNamed_ = true;
};

}  // namespace zumoku
