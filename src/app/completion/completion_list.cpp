#include "app/completion/completion_list.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace zumoku {

void CompletionRows::SetRows(std::vector<const completion::Candidate*> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

const completion::Candidate* CompletionRows::Row(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : nullptr;
}

int CompletionRows::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CompletionRows::data(const QModelIndex& index, int role) const {
  const completion::Candidate* candidate = Row(index.row());
  if (candidate == nullptr || role != Qt::DisplayRole) return {};
  QString text = QString::fromStdString(candidate->word);
  if (!candidate->detail.empty()) text += QStringLiteral("　") + QString::fromStdString(candidate->detail);
  if (!candidate->source.empty()) text += QStringLiteral("（%1）").arg(QString::fromStdString(candidate->source));
  return text;
}

CompletionRowPainter::CompletionRowPainter(CompletionRows& rows, QObject* parent)
    : QStyledItemDelegate(parent), rows_(rows) {}

void CompletionRowPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const completion::Candidate* candidate = rows_.Row(index.row());
  if (candidate == nullptr) return;
  auto text = laidOut_.find(candidate);
  if (text == laidOut_.end()) {
    text = laidOut_.insert(candidate, QStaticText(index.data(Qt::DisplayRole).toString()));
    text->setTextFormat(Qt::PlainText);
    text->prepare(QTransform(), option.font);
  }
  const bool selected = option.state & QStyle::State_Selected;
  if (selected) painter->fillRect(option.rect, option.palette.highlight());
  painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
  painter->setFont(option.font);
  const int top = option.rect.top() + (option.rect.height() - option.fontMetrics.height()) / 2;
  painter->drawStaticText(option.rect.left() + 3, top, *text);
}

QSize CompletionRowPainter::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), option.fontMetrics.height() + 2};
}

CompletionList::CompletionList(QWidget* parent) : QListView(parent), painter_(new CompletionRowPainter(rows_, this)) {
  setObjectName(QStringLiteral("CompletionList"));
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setUniformItemSizes(true);  // rows are laid out only as they are shown
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setModel(&rows_);
  setItemDelegate(painter_);
  connect(this, &QListView::clicked, this, [this](const QModelIndex& index) { emit taken(index.row()); });
}

void CompletionList::Show(std::vector<const completion::Candidate*> rows, QRect caretOnScreen) {
  rows_.SetRows(std::move(rows));
  setCurrentIndex(rows_.index(0));
  Place(caretOnScreen);
  if (!isVisible()) show();
}

const completion::Candidate* CompletionList::Current() const { return rows_.Row(currentIndex().row()); }

bool CompletionList::Move(int key) {
  const int count = rows_.rowCount();
  const int row = currentIndex().row();
  int to = row;
  switch (key) {
    case Qt::Key_Up:
      to = row - 1;
      break;
    case Qt::Key_Down:
      to = row + 1;
      break;
    case Qt::Key_PageUp:
      to = row - kShownRows;
      break;
    case Qt::Key_PageDown:
      to = row + kShownRows;
      break;
    default:
      return false;
  }
  setCurrentIndex(rows_.index(std::clamp(to, 0, count - 1)));
  return true;
}

// Below the caret's line, or above it when the screen has no room there.
void CompletionList::Place(QRect caretOnScreen) {
  const int rowHeight = fontMetrics().height() + 2;  // as the row painter gives
  const int shown = std::min(rows_.rowCount(), kShownRows);
  // A width of its own, not measured per key: shaping the rows' text again
  // at each key would cost more than filtering the whole list.
  const int width = fontMetrics().averageCharWidth() * 64;
  const QSize size(width, rowHeight * shown + 2 * frameWidth());
  const QScreen* screen = QGuiApplication::screenAt(caretOnScreen.center());
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 20, 1 << 20));
  QPoint at = caretOnScreen.bottomLeft() + QPoint(0, 1);
  if (at.y() + size.height() > room.bottom()) at.setY(caretOnScreen.top() - size.height());
  at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
  if (geometry() != QRect(at, size)) setGeometry(QRect(at, size));
}

}  // namespace zumoku
