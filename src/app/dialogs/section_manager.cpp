#include "app/dialogs/section_manager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <map>
#include <utility>

#include "app/widgets/fonts.h"
#include "app/widgets/place.h"
#include "encoding/codec.h"
#include "sections/section_heads.h"

namespace zumoku {

TSectionManager::TSectionManager(QWidget& owner, EditBuffer& buffer, std::function<void(const QString&)> showStatus,
                                 PaperAccess paper)
    : QWidget(&owner, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      buffer_(buffer),
      showStatus_(std::move(showStatus)),
      paper_(std::move(paper)) {
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
  ListBox1->installEventFilter(this);
  // The arrow keys and Enter work at once.
  ListBox1->setFocus();
  connect(Button1, &QPushButton::clicked, this, &TSectionManager::Button1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TSectionManager::ListBox1DblClick);
  FormCreate();
}

void TSectionManager::FormCreate() { Button1Click(); }

void TSectionManager::Button1Click() {
  if (paper_.read) {
    AppendPaper();
  } else {
    Append(sections::ScanSections(buffer_));
  }
}

void TSectionManager::AppendPaper() {
  const Paper paper = paper_.read();
  if (!paper.files.empty()) AppendFile(paper, 0);
  // Named once each, and never a jump.
  for (const QString& problem : paper.problems) {
    ListBox1->addItem(problem);
    heads_.push_back({});
  }
}

void TSectionManager::AppendFile(const Paper& paper, int index) {
  const auto& files = paper.files;
  std::vector<int> children;
  for (int i = index + 1; i < static_cast<int>(files.size()); ++i) {
    if (files[static_cast<std::size_t>(i)].parent == index) children.push_back(i);
  }
  auto child = children.begin();
  std::map<std::string, int> seen;
  const PaperFile& file = files[static_cast<std::size_t>(index)];
  for (const sections::SectionHead& head : sections::SectionHeads(file.text, file.encoding)) {
    for (; child != children.end() && files[static_cast<std::size_t>(*child)].readAt < head.offset; ++child) {
      AppendFile(paper, *child);
    }
    AppendHead(file, head.name, seen);
  }
  for (; child != children.end(); ++child) AppendFile(paper, *child);
}

void TSectionManager::AppendHead(const PaperFile& file, const std::string& name, std::map<std::string, int>& seen) {
  const QString row = codec::Decode(name, file.encoding);
  const bool document = file.path == paper_.documentPath();
  ListBox1->addItem(document ? row : QStringLiteral("%1  (%2)").arg(row, file.shownName));
  heads_.push_back({name, seen[name]++, file.path});
}

void TSectionManager::Append(const std::vector<std::string>& names) {
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(names.size()));
  std::map<std::string_view, int> seen;
  for (const std::string& name : names) {
    rows << codec::Decode(name, buffer_.TextEncoding());
    heads_.push_back({name, seen[name]++});
  }
  ListBox1->addItems(rows);
}

namespace {
// Whether the list shows the row's whole name. Every row is as wide as the
// widest, so what cuts a name off is the edge of the list's viewport.
bool ShowsWholeName(const QListWidget* list, const QListWidgetItem* row) {
  const QRect rect = list->visualItemRect(row);
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  const int textRight = rect.left() + 2 * margin + list->fontMetrics().horizontalAdvance(row->text());
  return rect.left() >= 0 && textRight <= list->viewport()->width();
}

bool IsEnter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

// Enter on a row jumps as a double-click does.
bool TSectionManager::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && IsEnter(event)) {
    ListBox1DblClick();
    return true;
  }
  if (watched == ListBox1->viewport() && event->type() == QEvent::ToolTip) {
    ShowNameTip(static_cast<const QHelpEvent*>(event));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// A name the list cuts off is shown whole as the row's tooltip.
void TSectionManager::ShowNameTip(const QHelpEvent* help) {
  const QListWidgetItem* row = ListBox1->itemAt(help->pos());
  if (row && !ShowsWholeName(ListBox1, row)) {
    QToolTip::showText(help->globalPos(), row->text(), ListBox1->viewport());
  } else {
    QToolTip::hideText();
  }
}

void TSectionManager::ListBox1DblClick() {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) return;
  const Head& head = heads_[static_cast<std::size_t>(ListBox1->row(selected.front()))];
  if (head.name.empty()) return;
  if (!head.file.isEmpty() && head.file != paper_.documentPath() && !paper_.open(head.file)) return;
  if (!sections::JumpToSection(buffer_, head.name, head.nth)) {
    showStatus_(QStringLiteral("セクション「%1」は見つかりませんでした").arg(selected.front()->text()));
  }
  close();
}

void TSectionManager::closeEvent(QCloseEvent* event) {
  event->accept();
  FormClose();
}

void TSectionManager::FormClose() { deleteLater(); }

}  // namespace zumoku
