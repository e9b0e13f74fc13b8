#include "app/tsection_manager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include "app/fonts.h"
#include "app/place.h"
#include "app/tform1.h"
#include "buffer/sjis_codec.h"
#include "sections/section_heads.h"

namespace zumoku {

namespace {
// Each row keeps the name's bytes, which the jump searches for.
constexpr int kNameBytes = Qt::UserRole;
}  // namespace

TSectionManager::TSectionManager(TForm1& form1)
    : QWidget(&form1, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), form1_(form1) {
  setObjectName(QStringLiteral("SectionManager"));
  setWindowTitle(QStringLiteral("SectionManager"));
  setFont(WindowFont());
  setFixedSize(257, 226);
  move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());

  Button1 = Place(new QPushButton(QStringLiteral("更新"), this), "Button1", {0, 0, 75, 25});
  ListBox1 = Place(new QListWidget(this), "ListBox1", {0, 25, 257, 201});
  connect(Button1, &QPushButton::clicked, this, &TSectionManager::Button1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TSectionManager::ListBox1DblClick);
  FormCreate();
}

void TSectionManager::FormCreate() { Append(sections::ScanSections(form1_.Buffer())); }

void TSectionManager::Button1Click() { Append(sections::ScanSections(form1_.Buffer())); }

void TSectionManager::Append(const std::vector<std::string>& names) {
  const int room = ListBox1->contentsRect().width() - ListBox1->verticalScrollBar()->sizeHint().width();
  for (const std::string& name : names) {
    auto* row = new QListWidgetItem(codec::Decode(name), ListBox1);
    row->setData(kNameBytes, QByteArray::fromStdString(name));
    // A name too long for its row can still be read whole.
    if (ListBox1->fontMetrics().horizontalAdvance(row->text()) > room) row->setToolTip(row->text());
  }
}

void TSectionManager::ListBox1DblClick() {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) return;
  const std::string name = selected.front()->data(kNameBytes).toByteArray().toStdString();
  if (name.empty()) return;
  if (!sections::JumpToSection(form1_.Buffer(), name)) {
    form1_.SetStatusPanelText(0, QStringLiteral("セクション「%1」は見つかりませんでした").arg(selected.front()->text()));
  }
  close();
}

void TSectionManager::closeEvent(QCloseEvent* event) {
  event->accept();
  FormClose();
}

void TSectionManager::FormClose() { deleteLater(); }

}  // namespace zumoku
