#pragma once
// The margin left of memo1's text: each shown block's number, the caret's in
// bold; as wide as the largest number needs.
#include <QWidget>

class QFontMetrics;
class QPainter;

namespace zumoku {

// Room for the largest line number of `lineCount` lines.
int LineNumberWidth(const QFontMetrics& metrics, int lineCount);
// `line`'s number (0-based) right-aligned in `row`, the caret's in bold.
void DrawLineNumber(QPainter& painter, const QRect& row, int line, bool caret);

class Memo;

class LineNumberMargin : public QWidget {
  Q_OBJECT
 public:
  explicit LineNumberMargin(Memo& memo);

  // Hidden, the margin gives its room back to the text.
  void SetShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Follows the size of the editor and of its viewport.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int WidthForNumbers() const;
  void FitWidth();
  void Place();
  void FollowEditor(const QRect& rect, int dy);

  Memo& memo_;
  bool shown_ = true;
  int givenWidth_ = -1;  // the room last given to the margin
};

}  // namespace zumoku
