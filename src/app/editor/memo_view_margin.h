#pragma once
// The margin left of MemoView's text: the number of each line in view at
// its first row, the caret's in bold; as wide as the largest number needs,
// following the font and the line count.
#include <QWidget>

namespace zumoku {

class MemoView;

class MemoViewMargin : public QWidget {
  Q_OBJECT
 public:
  explicit MemoViewMargin(MemoView& view);

  // Hidden, the margin gives its room back to the text.
  void SetShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Follows the view's size and font, and repaints with its viewport.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitWidth();
  void Place();

  MemoView& view_;
  bool shown_ = true;
  int givenWidth_ = -1;  // the room last given to the margin
};

}  // namespace zumoku
