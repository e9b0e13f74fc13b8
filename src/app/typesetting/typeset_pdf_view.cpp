#include "app/typesetting/typeset_pdf_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPdfDocument>
#include <QScreen>
#include <QScrollBar>

namespace zumoku {

namespace {
// The view draws a point as this many pixels at zoom 1.
qreal ScreenResolution() { return QGuiApplication::primaryScreen()->logicalDotsPerInch() / 72.0; }
}  // namespace

PdfView::PdfView(QWidget* parent) : QPdfView(parent) {
  setObjectName(QStringLiteral("PdfView1"));
  setPageMode(PageMode::MultiPage);
  setZoomMode(ZoomMode::FitToWidth);
}

// The same sizes the view computes for its own layout.
QSize PdfView::PageSize(int page) const {
  const QSizeF points = document()->pagePointSize(page);
  if (zoomMode() == ZoomMode::Custom) return (points * ScreenResolution() * zoomFactor()).toSize();
  QSize size = (points * ScreenResolution()).toSize();
  const int width = viewport()->width() - documentMargins().left() - documentMargins().right();
  return size.width() > 0 ? size * (qreal(width) / size.width()) : size;
}

QRect PdfView::PageRect(int page) const {
  if (!document() || page < 0 || page >= document()->pageCount()) return {};
  int widest = 0;
  for (int p = 0; p < document()->pageCount(); ++p) widest = std::max(widest, PageSize(p).width());
  widest += documentMargins().left() + documentMargins().right();
  int top = documentMargins().top();
  for (int p = 0; p < page; ++p) top += PageSize(p).height() + pageSpacing();
  const QSize size = PageSize(page);
  const int left = (std::max(widest, viewport()->width()) - size.width()) / 2;
  return QRect(QPoint(left - horizontalScrollBar()->value(), top - verticalScrollBar()->value()), size);
}

qreal PdfView::PageScale(int page) const {
  const QSizeF points = document() ? document()->pagePointSize(page) : QSizeF();
  return points.width() > 0 ? PageRect(page).width() / points.width() : 0;
}

qreal PdfView::ShownZoom() const { return PageScale(0) / ScreenResolution(); }

QRectF PdfView::BoxRect(const typeset::PdfBox& box) const {
  const qreal scale = PageScale(box.page);
  return QRectF(box.x * scale, box.y * scale, box.width * scale, box.height * scale)
      .translated(PageRect(box.page).topLeft());
}

void PdfView::ShowBoxes(std::vector<typeset::PdfBox> boxes, bool reveal) {
  boxes_ = std::move(boxes);
  if (reveal && !boxes_.empty()) {
    const QRectF first = BoxRect(boxes_.front());
    if (first.top() < 0 || first.bottom() > viewport()->height()) {
      verticalScrollBar()->setValue(verticalScrollBar()->value() + int(first.top()) - viewport()->height() / 3);
    }
  }
  viewport()->update();
}

void PdfView::paintEvent(QPaintEvent* event) {
  QPdfView::paintEvent(event);
  if (boxes_.empty()) return;
  // A formula line has a box for each symbol, and they overlap: filled one
  // by one they would stack to an opaque colour over the formula.
  QPainterPath highlight;
  highlight.setFillRule(Qt::WindingFill);  // every place inside any box, once
  for (const typeset::PdfBox& box : boxes_) highlight.addRect(BoxRect(box).adjusted(-1, -1, 1, 1));
  QPainter painter(viewport());
  painter.setPen(QPen(QColor(220, 120, 0), 1));
  painter.setBrush(QColor(255, 200, 0, 70));
  painter.drawPath(highlight.simplified());
}

void PdfView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !(event->modifiers() & Qt::ControlModifier) || !document()) {
    QPdfView::mousePressEvent(event);
    return;
  }
  for (int page = 0; page < document()->pageCount(); ++page) {
    const QRect rect = PageRect(page);
    if (!rect.contains(event->position().toPoint())) continue;
    emit placeClicked(page, (event->position() - rect.topLeft()) / PageScale(page));
    return;
  }
}

}  // namespace zumoku
