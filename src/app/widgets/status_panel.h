#pragma once
// A panel of the status bar. It asks for the room its whole text needs (and
// at least its usual width), and gives room up before the panels beside it
// would overlap: what does not fit is cut with "…", and the whole text is
// then its tooltip.
#include <QLabel>

namespace zumoku {

class StatusPanel : public QLabel {
  Q_OBJECT
 public:
  StatusPanel(const char* name, QWidget* parent, int usualWidth = 0);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // True when the text is cut to fit.
  bool Elided() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect TextRect() const;
  int Indent() const;

  int usualWidth_;
};

}  // namespace zumoku
