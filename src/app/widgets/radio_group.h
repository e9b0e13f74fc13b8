#pragma once
// A captioned group of radio buttons laid out in columns, filled column by
// column; exactly one item is chosen.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace zumoku {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const { return buttons_->checkedId(); }
  void SetItemIndex(int index);

 private:
  QButtonGroup* buttons_;
};

}  // namespace zumoku
