#include "app/tsection_manager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QHelpEvent>
#include <QToolTip>

#include "app/fonts.h"
#include "app/place.h"
#include "app/tform1.h"
#include "buffer/sjis_codec.h"
#include "sections/section_heads.h"

namespace zumoku {

TSectionManager::TSectionManager(TForm1& form1)
    : QWidget(&form1, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), form1_(form1) {
  setObjectName(QStringLiteral("SectionManager"));
  setWindowTitle(QStringLiteral("SectionManager"));
  setFont(WindowFont());
  setFixedSize(257, 226);
  move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());

  Button1 = Place(new QPushButton(QStringLiteral("更新"), this), "Button1", {0, 0, 75, 25});
  ListBox1 = Place(new QListWidget(this), "ListBox1", {0, 25, 257, 201});
  // Rows are one line each; thousands of heads then fill the list at once.
  ListBox1->setUniformItemSizes(true);
  ListBox1->viewport()->installEventFilter(this);
  connect(Button1, &QPushButton::clicked, this, &TSectionManager::Button1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TSectionManager::ListBox1DblClick);
  FormCreate();
}

void TSectionManager::FormCreate() { Append(sections::ScanSections(form1_.Buffer())); }

void TSectionManager::Button1Click() { Append(sections::ScanSections(form1_.Buffer())); }

void TSectionManager::Append(const std::vector<std::string>& names) {
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(names.size()));
  for (const std::string& name : names) rows << codec::Decode(name);
  ListBox1->addItems(rows);
  names_.insert(names_.end(), names.begin(), names.end());
}

// A name too long for its row is shown whole as the row's tooltip.
bool TSectionManager::eventFilter(QObject* watched, QEvent* event) {
  if (watched != ListBox1->viewport() || event->type() != QEvent::ToolTip) return QWidget::eventFilter(watched, event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QListWidgetItem* row = ListBox1->itemAt(help->pos());
  if (row && ListBox1->fontMetrics().horizontalAdvance(row->text()) > ListBox1->visualItemRect(row).width()) {
    QToolTip::showText(help->globalPos(), row->text(), ListBox1->viewport());
  } else {
    QToolTip::hideText();
  }
  return true;
}

void TSectionManager::ListBox1DblClick() {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) return;
  const std::string& name = names_[static_cast<std::size_t>(ListBox1->row(selected.front()))];
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
