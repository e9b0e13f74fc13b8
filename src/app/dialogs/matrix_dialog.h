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
  // The components keep the names the program is driven and tested by.
  RadioGroup* RadioGroup1;  // 行列の括弧の種類: the bracket kind
  QLineEdit* Edit1;         // the number of rows (行)
  QLineEdit* Edit2;         // the number of columns (列)
  bool amsmathNamed_ = true;
};

}  // namespace zumoku
