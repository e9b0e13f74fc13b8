#pragma once
// A panel of the status bar. It asks for the room its whole text needs (and
// at least its usual width), and gives room up before the panels beside it
// would overlap: what does not fit is cut with "…", and the whole text is
// then its tooltip. A note of its own, when it has one, is its tooltip too.
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
  // A line of the tooltip under the whole text; empty: none.
  void SetNote(const QString& note) { note_ = note; }
  // What hovering shows: the text when it is cut, and the note.
  QString ToolTipText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect TextRect() const;
  int Indent() const;

  int usualWidth_;
  QString note_;
};

}  // namespace zumoku
