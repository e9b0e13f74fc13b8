#pragma once
// Form5, the matrix dialog: bracket kind, rows and columns. OK gives its
// answer, Cancel and the close box give none; the command inserts.
#include <QDialog>
#include <QLineEdit>
#include <optional>
#include <string_view>

#include "app/widgets/radio_group.h"

namespace zumoku {

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent);

  // The answer of the OK that closed the dialog.
  int RowCount() const { return rowCount_; }
  int ColumnCount() const { return columnCount_; }
  // The environment of the chosen bracket kind.
  std::string_view BracketEnvironment() const { return bracketEnvironment_; }

 public slots:
  void Button1Click();

 private:
  // The number in the edit, or empty after telling the user why not.
  std::optional<int> ReadSize(const QLineEdit* edit, const QString& what);

  int rowCount_ = 0;
  int columnCount_ = 0;
  std::string_view bracketEnvironment_;
  RadioGroup* RadioGroup1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  bool amsmathNamed_ = true;
};

}  // namespace zumoku
