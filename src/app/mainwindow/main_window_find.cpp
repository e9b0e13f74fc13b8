// The "検索" menu and the find bar under memo1.
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/find/find_bar.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"

namespace zumoku {

void TForm1::BuildFindMenu() {
  Find2 = menuBar()->addMenu(QStringLiteral("検索"));
  Find2->setObjectName(QStringLiteral("Find2"));
  Find2->menuAction()->setObjectName(QStringLiteral("Find2"));
  const struct {
    const char* name;
    QString caption;
    QKeyCombination key;
    void (TForm1::*slot)();
  } entries[] = {
      {"Find1", QStringLiteral("検索..."), Qt::CTRL | Qt::Key_F, &TForm1::Find1Click},
      {"FindNext1", QStringLiteral("次を検索"), QKeyCombination(Qt::Key_F3), &TForm1::FindNext1Click},
      {"FindPrevious1", QStringLiteral("前を検索"), Qt::SHIFT | Qt::Key_F3, &TForm1::FindPrevious1Click},
      {"Replace1", QStringLiteral("置換..."), Qt::CTRL | Qt::Key_H, &TForm1::Replace1Click},
  };
  for (const auto& entry : entries) {
    QAction* action = AddItem(Find2, entry.name, entry.caption);
    action->setShortcut(entry.key);
    connect(action, &QAction::triggered, this, entry.slot);
  }
}

void TForm1::SetUpFind() {
  findBar_ = new FindBar(
      {Buffer(), *memo1, [this](const auto& command) { return RunCommand(command); }, StatusWriter()}, this);
  auto* center = new QWidget(this);
  auto* column = new QVBoxLayout(center);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(takeCentralWidget());
  column->addWidget(findBar_);
  setCentralWidget(center);
}

void TForm1::Find1Click() { findBar_->OpenFind(); }
void TForm1::Replace1Click() { findBar_->OpenReplace(); }
void TForm1::FindNext1Click() { findBar_->FindNext(); }
void TForm1::FindPrevious1Click() { findBar_->FindPrevious(); }

}  // namespace zumoku
