#include "app/completion/completion_list.h"

#include <QGuiApplication>
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

CompletionList::CompletionList(QWidget* parent) : QListView(parent) {
  setObjectName(QStringLiteral("CompletionList"));
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setUniformItemSizes(true);  // rows are laid out only as they are shown
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setModel(&rows_);
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
  const int rowHeight = std::max(sizeHintForRow(0), fontMetrics().height());
  const int shown = std::min(rows_.rowCount(), kShownRows);
  // Measured over the first rows only: a long list is never laid out whole.
  int textWidth = 0;
  for (int row = 0; row < shown; ++row) {
    textWidth =
        std::max(textWidth, fontMetrics().horizontalAdvance(rows_.data(rows_.index(row), Qt::DisplayRole).toString()));
  }
  const int width = std::clamp(textWidth + 24, 320, 640);
  const QSize size(width, rowHeight * shown + 2 * frameWidth());
  const QScreen* screen = QGuiApplication::screenAt(caretOnScreen.center());
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 20, 1 << 20));
  QPoint at = caretOnScreen.bottomLeft() + QPoint(0, 1);
  if (at.y() + size.height() > room.bottom()) at.setY(caretOnScreen.top() - size.height());
  at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
  setGeometry(QRect(at, size));
}

}  // namespace zumoku
