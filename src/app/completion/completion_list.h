#pragma once
// The list of entries at the caret: a window without a frame that never
// takes the keyboard, so that typing goes on in the editor while it shows.
// Each row shows the word, then its detail and where it comes from.
#include <QAbstractListModel>
#include <QListView>
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

class CompletionList : public QListView {
  Q_OBJECT
 public:
  static constexpr int kShownRows = 10;

  explicit CompletionList(QWidget* parent);

  void Show(std::vector<const completion::Candidate*> rows, QRect caretOnScreen);
  const completion::Candidate* Current() const;
  // Up, Down, PgUp and PgDn; false for any other key.
  bool Move(int key);
  CompletionRows& Rows() { return rows_; }

 signals:
  void taken(int row);

 private:
  void Place(QRect caretOnScreen);

  CompletionRows rows_;
};

}  // namespace zumoku
