#include "app/dialogs/count_dialog.h"

#include <QKeyEvent>

#include "app/desktop/error_box.h"
#include "app/widgets/dialog_style.h"
#include "app/widgets/fonts.h"
#include "app/widgets/place.h"
#include "markup/item_count.h"

namespace zumoku {

namespace {
QString ProblemMessage(const ItemCountAnswer& answer, const QString& text) {
  if (answer.problem == ItemCountAnswer::kTooLarge) {
    return QStringLiteral("'%1' は大きすぎます。%2 以下の数を指定してください").arg(text).arg(kMaxItemCount);
  }
  return NotWholeNumberMessage(text);
}
}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowFlags(DialogWindowFlags());
  setWindowTitle(QStringLiteral("箇条書きの設定"));
  setFont(WindowFont());
  setFixedSize(433, 106);

  Label1 = Place(
      new QLabel(QStringLiteral("予め、いくつ「\\item」を表示しますか？（以降、追加の際は手入力をお願い致します。）"),
                 this),
      "Label1", {3, 3, 427, 12});
  Edit1 = Place(new QLineEdit(this), "Edit1", {156, 27, 97, 20});
  UpDown1 = Place(new UpDown(Edit1, 0, 100, 4, this), "UpDown1", {253, 27, 15, 20});
  CheckBox1 = Place(new QCheckBox(QStringLiteral("見出しの直後に改行を入れる"), this), "CheckBox1", {132, 54, 172, 13});
  CheckBox1->setEnabled(false);
  Button1 = Place(new QPushButton(QStringLiteral("OK"), this), "Button1", {165, 75, 91, 28});
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  Edit1->setFocus();
  // The controls have no tooltips of their own, so this one shows over all.
  setToolTip(
      QStringLiteral("閉じるボタン（×）で閉じても取り消しにはならず、前回の数（最初は 0）で挿入します。"
                     "元に戻すには Ctrl+Z を押してください。"));
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) return event->accept();
  QDialog::keyPressEvent(event);
}

void TForm2::RelabelForSpaces() {
  setWindowTitle(QStringLiteral("空白の個数の設定"));
  Label1->setText(QStringLiteral("空白の数を指定してください。"));
}

void TForm2::Button1Click() {
  const QString text = Edit1->text();
  const ItemCountAnswer answer = ReadItemCount(text.toStdString());
  if (answer.problem != ItemCountAnswer::kNone) {
    ShowErrorBox(this, ProblemMessage(answer, text));
    return;
  }
  itemCount_ = answer.value;
  headingLineBreak_ = CheckBox1->isChecked();
  accept();
}

}  // namespace zumoku
