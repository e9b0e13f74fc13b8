#include "app/dialogs/matrix_dialog.h"

#include <QPushButton>

#include "app/desktop/error_box.h"
#include "app/widgets/dialog_style.h"
#include "app/widgets/fonts.h"
#include "app/widgets/gap_label.h"
#include "app/widgets/place.h"
#include "app/widgets/up_down.h"
#include "markup/parse_integer.h"
#include "math/matrix.h"

namespace zumoku {

namespace {
constexpr int kBracketColumns = 4;
constexpr int kPmatrixItem = 2;

QLineEdit* SizeEdit(QWidget* parent, const char* name, const QRect& geometry) {
  return Place(new QLineEdit(parent), name, geometry);
}

QPushButton* NonDefaultButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* button = Place(new QPushButton(caption, parent), name, geometry);
  button->setAutoDefault(false);
  return button;
}
}  // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent, DialogWindowFlags()) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("行列の設定"));
  setFont(WindowFont());
  setFixedSize(310, 134);

  const QStringList brackets = {QStringLiteral("…"),     QStringLiteral("|…|"), QStringLiteral("(…)"),
                                QStringLiteral("||…||"), QStringLiteral("[…]"), QStringLiteral("{…}"),
                                QStringLiteral("{…case")};
  RadioGroup1 = Place(new RadioGroup(QStringLiteral("行列の括弧の種類"), brackets, kBracketColumns, this),
                      "RadioGroup1", QRect(3, 7, 302, 73));
  RadioGroup1->SetItemIndex(kPmatrixItem);

  // The label reads through the gaps between the edits: rows 行 columns 列の行列.
  const QString blank = QStringLiteral("　");
  Place(new GapLabel(blank.repeated(10) + QStringLiteral("行") + blank.repeated(12) + QStringLiteral("列の行列"), this),
        "Label1", QRect(24, 87, 236, 12));
  Edit1 = SizeEdit(this, "Edit1", QRect(21, 81, 61, 20));
  Place(new UpDown(Edit1, math::kMinMatrixSize, math::kMaxMatrixSize, 2, this), "UpDown1", QRect(82, 81, 15, 20));
  Edit2 = SizeEdit(this, "Edit2", QRect(138, 81, 52, 20));
  Place(new UpDown(Edit2, math::kMinMatrixSize, math::kMaxMatrixSize, 2, this), "UpDown2", QRect(190, 81, 15, 20));

  // Enter in a field answers OK; the rows field takes what is typed first.
  auto* ok = Place(new QPushButton(QStringLiteral("OK"), this), "Button1", QRect(207, 105, 100, 25));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(NonDefaultButton(this, "Button2", QStringLiteral("キャンセル"), QRect(3, 108, 82, 25)), &QPushButton::clicked,
          this, &TForm5::reject);
  Edit1->setFocus();
  Edit1->selectAll();
}

std::optional<int> TForm5::ReadSize(const QLineEdit* edit, const QString& what) {
  const QString text = edit->text();
  const auto size = ParseInteger(text.toStdString());
  if (!size) {
    ShowErrorBox(this, NotWholeNumberMessage(text));
    return std::nullopt;
  }
  if (*size < math::kMinMatrixSize || *size > math::kMaxMatrixSize) {
    ShowErrorBox(this, QStringLiteral("%1は%2から%3までの数で指定してください")
                           .arg(what)
                           .arg(math::kMinMatrixSize)
                           .arg(math::kMaxMatrixSize));
    return std::nullopt;
  }
  return size;
}

void TForm5::Button1Click() {
  const auto rows = ReadSize(Edit1, QStringLiteral("行数"));
  if (!rows) return;
  const auto columns = ReadSize(Edit2, QStringLiteral("列数"));
  if (!columns) return;
  rowCount_ = *rows;
  columnCount_ = *columns;
  bracketEnvironment_ = math::kMatrixEnvironments.at(RadioGroup1->ItemIndex());
  accept();
}

}  // namespace zumoku
