#include "app/splash_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "app/drawn_icon.h"

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
  p.drawPolyline(QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}));
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
    const QPointF centre(kSize / 2, kSize / 2);
    const qreal radius = 13;
    p.setPen(QPen(QColor(210, 30, 30), 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(QColor(210, 30, 30));
    for (int arrow = 0; arrow < 3; ++arrow) {
      // Each arrow is an arc of the ring with a head at its end.
      const qreal start = arrow * 120.0 + 20;
      const qreal span = 80;
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), qRound(start * 16),
                qRound(span * 16));
      const qreal end = qDegreesToRadians(start + span);
      const QPointF tip = centre + QPointF(radius * qCos(end), -radius * qSin(end));
      const QPointF along(-qSin(end), -qCos(end));  // direction of travel at the tip
      const QPointF out(qCos(end), -qSin(end));
      p.setBrush(QColor(210, 30, 30));
      p.setPen(Qt::NoPen);
      p.drawPolygon(QPolygonF({tip + along * 7, tip + out * 6, tip - out * 6}));
      p.setPen(QPen(QColor(210, 30, 30), 4, Qt::SolidLine, Qt::FlatCap));
    }
  });
}

}  // namespace zumoku
