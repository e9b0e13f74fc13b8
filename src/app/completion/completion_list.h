#pragma once
// The list of entries at the caret: a window without a frame that never
// takes the keyboard, so that typing goes on in the editor while it shows.
// Each row shows the word, then its detail and where it comes from.
#include <QAbstractListModel>
#include <QHash>
#include <QListView>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <vector>

#include "completion/word_set.h"

namespace zumoku {

class CompletionRows : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  void SetRows(std::vector<const completion::Candidate*> rows);
  const completion::Candidate* Row(int row) const;
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<const completion::Candidate*> rows_;
};

// Draws each row from a text laid out once per entry: the rows' Japanese
// text would otherwise be shaped again at every key.
class CompletionRowPainter : public QStyledItemDelegate {
  Q_OBJECT
 public:
  CompletionRowPainter(CompletionRows& rows, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void Forget() { laidOut_.clear(); }  // the words were gathered again

 private:
  CompletionRows& rows_;
  mutable QHash<const completion::Candidate*, QStaticText> laidOut_;
};

class CompletionList : public QListView {
  Q_OBJECT
 public:
  static constexpr int kShownRows = 10;
  // No one pages through more; a longer list would only cost time per key.
  static constexpr int kMaxRows = 500;

  explicit CompletionList(QWidget* parent);

  void Show(std::vector<const completion::Candidate*> rows, QRect caretOnScreen);
  const completion::Candidate* Current() const;
  // Up, Down, PgUp and PgDn; false for any other key.
  bool Move(int key);
  CompletionRows& Rows() { return rows_; }
  // Entries of words gathered before may be gone: their laid-out texts go.
  void WordsChanged() { painter_->Forget(); }

 signals:
  void taken(int row);

 private:
  void Place(QRect caretOnScreen);

  CompletionRows rows_;
  CompletionRowPainter* painter_;
};

}  // namespace zumoku
