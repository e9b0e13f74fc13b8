#include "app/dialogs/recovery_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "app/desktop/question_box.h"
#include "app/widgets/dialog_style.h"
#include "app/widgets/fonts.h"

namespace zumoku {

namespace {
constexpr int kRowIndex = Qt::UserRole;  // which of the rows given an item shows

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}
}  // namespace

RecoveryWindow::RecoveryWindow(QWidget* parent, const std::vector<Row>& rows, Actions actions)
    : QDialog(parent, DialogWindowFlags()), actions_(std::move(actions)) {
  setObjectName(QStringLiteral("RecoveryWindow1"));
  setWindowTitle(QStringLiteral("文書の復元"));
  setFont(WindowFont());
  resize(560, 240);

  auto* note = new QLabel(QStringLiteral("保存されずに終わった文書があります。復元する文書を選んでください。"), this);
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setHeaderLabels({QStringLiteral("名前"), QStringLiteral("場所"), QStringLiteral("自動保存の時刻")});
  ListView1->setRootIsDecorated(false);
  ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (std::size_t index = 0; index < rows.size(); ++index) {
    auto* item = new QTreeWidgetItem(ListView1, {rows[index].name, rows[index].path, rows[index].time});
    item->setData(0, kRowIndex, static_cast<int>(index));
  }
  ListView1->setCurrentItem(ListView1->topLevelItem(0));

  RestoreButton1 = Button(this, "RestoreButton1", QStringLiteral("復元"));
  DiscardButton1 = Button(this, "DiscardButton1", QStringLiteral("破棄"));
  LaterButton1 = Button(this, "LaterButton1", QStringLiteral("後で"));
  RestoreButton1->setDefault(true);
  connect(RestoreButton1, &QPushButton::clicked, this, &RecoveryWindow::RestoreButton1Click);
  connect(DiscardButton1, &QPushButton::clicked, this, &RecoveryWindow::DiscardButton1Click);
  connect(LaterButton1, &QPushButton::clicked, this, &RecoveryWindow::LaterButton1Click);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &RecoveryWindow::RestoreButton1Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {RestoreButton1, DiscardButton1, LaterButton1}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(ListView1);
  layout->addLayout(buttons);
  // A size of its own: the window frame then draws no resize handle.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RecoveryWindow::RestoreButton1Click() {
  const int row = ChosenRow();
  if (row < 0) return;
  actions_.restore(row);
  accept();
}

void RecoveryWindow::DiscardButton1Click() {
  QTreeWidgetItem* item = ListView1->currentItem();
  if (item == nullptr) return;
  const QString question =
      QStringLiteral("%1 の復元用の内容を破棄しますか？破棄すると元に戻せません。").arg(item->text(0));
  if (AskQuestion(this, question) != Answer::kYes) return;
  actions_.discard(ChosenRow());
  delete item;
  if (ListView1->topLevelItemCount() == 0) accept();
}

void RecoveryWindow::LaterButton1Click() { reject(); }

int RecoveryWindow::ChosenRow() const {
  const QTreeWidgetItem* item = ListView1->currentItem();
  return item == nullptr ? -1 : item->data(0, kRowIndex).toInt();
}

}  // namespace zumoku
