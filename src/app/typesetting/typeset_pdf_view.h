#pragma once
// PdfView1: Qt's PDF view with the few things typesetting adds: the boxes
// of the caret's line highlighted and scrolled into view, and Ctrl+click
// reported as a place on a page.
#include <QPdfView>
#include <vector>

#include "typeset/synctex_map.h"

namespace zumoku {

class PdfView : public QPdfView {
  Q_OBJECT
 public:
  explicit PdfView(QWidget* parent = nullptr);

  // Where a page is drawn, in viewport coordinates (all pages below each
  // other, as the view lays them out); empty for a page that is not there.
  QRect PageRect(int page) const;
  // Pixels per PDF point on that page.
  qreal PageScale(int page) const;
  // The zoom factor the first page is shown at, whatever the zoom mode.
  qreal ShownZoom() const;
  // Highlights the boxes; `reveal` scrolls the first into view.
  void ShowBoxes(std::vector<typeset::PdfBox> boxes, bool reveal);
  const std::vector<typeset::PdfBox>& Boxes() const { return boxes_; }

 signals:
  // A Ctrl+click: the page (0-based) and the place on it in PDF points.
  void placeClicked(int page, QPointF point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QSize PageSize(int page) const;
  QRectF BoxRect(const typeset::PdfBox& box) const;

  std::vector<typeset::PdfBox> boxes_;
};

}  // namespace zumoku
