#include "app/widgets/splash_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "app/widgets/drawn_icon.h"

namespace zumoku {

namespace {
constexpr qreal kSize = kSplashPictureSize;

void Sheet(QPainter& p, const QRectF& r) {
  const qreal fold = r.width() / 4;
  QPainterPath sheet;
  sheet.moveTo(r.topLeft());
  sheet.lineTo(r.right() - fold, r.top());
  sheet.lineTo(r.right(), r.top() + fold);
  sheet.lineTo(r.bottomRight());
  sheet.lineTo(r.bottomLeft());
  sheet.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 90), 1.2));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.drawPolyline(
      QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}));
}
}  // namespace

QIcon NewDocumentPicture() {
  return DrawIcon(kSplashPictureSize, [](QPainter& p) {
    Sheet(p, {6.5, 2.5, 27, 35});
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRectF(6, 14, 28, 14), Qt::AlignCenter, QStringLiteral("New"));
  });
}

QIcon OpenFilePicture() {
  return DrawIcon(kSplashPictureSize, [](QPainter& p) {
    p.setPen(QPen(QColor(140, 100, 20), 1.2));
    p.setBrush(QColor(230, 180, 60));
    p.drawRect(QRectF(2.5, 10.5, 30, 24));
    p.drawRect(QRectF(2.5, 6.5, 12, 4));
    Sheet(p, {9.5, 3.5, 20, 24});
    QPolygonF flap({{8.5, 17.5}, {38.5, 17.5}, {32.5, 34.5}, {2.5, 34.5}});
    p.setPen(QPen(QColor(140, 100, 20), 1.2));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(flap);
  });
}

QIcon QuitPicture() {
  return DrawIcon(kSplashPictureSize, [](QPainter& p) {
    // A red button with the power sign: a ring open at the top, a bar through the gap.
    const QPointF centre(kSize / 2, kSize / 2);
    p.setPen(QPen(QColor(140, 20, 20), 1.2));
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(centre, 17.5, 17.5);
    const qreal radius = 9.5;
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius + 1.5, 2 * radius, 2 * radius), 125 * 16, 290 * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - 11), QPointF(centre.x(), centre.y() + 0.5));
  });
}

}  // namespace zumoku
