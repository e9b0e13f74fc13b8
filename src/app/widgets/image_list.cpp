#include "app/widgets/image_list.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "app/widgets/drawn_icon.h"

namespace zumoku {

namespace {

constexpr int kSize = 16;

void NewSheet(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(2.5, 1.5);
  sheet.lineTo(9.5, 1.5);
  sheet.lineTo(12.5, 4.5);
  sheet.lineTo(12.5, 14.5);
  sheet.lineTo(2.5, 14.5);
  sheet.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
  p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
  // The sparkle of something new.
  QPainterPath star;
  const QPointF c(12, 11);
  star.moveTo(c + QPointF(0, -4));
  star.quadTo(c, c + QPointF(4, 0));
  star.quadTo(c, c + QPointF(0, 4));
  star.quadTo(c, c + QPointF(-4, 0));
  star.quadTo(c, c + QPointF(0, -4));
  p.setPen(QPen(QColor(200, 140, 0), 0.8));
  p.setBrush(QColor(255, 215, 0));
  p.drawPath(star);
}

void OpenFolder(QPainter& p) {
  p.setPen(QPen(QColor(140, 100, 20), 1));
  p.setBrush(QColor(230, 180, 60));
  p.drawRect(QRectF(1.5, 4.5, 12, 9));
  p.drawRect(QRectF(1.5, 2.5, 5, 2));
  QPolygonF flap;
  flap << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
  p.setBrush(QColor(250, 215, 110));
  p.drawPolygon(flap);
}

void FloppyDisk(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 110), 1));
  p.setBrush(QColor(50, 90, 190));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(4, 2, 8, 5));
  p.setBrush(QColor(50, 90, 190));
  p.drawRect(QRectF(9, 3, 2, 3));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5, 9, 9, 5));
}

// The word is drawn at a legible size and condensed to the icon's width.
void ColouredWord(QPainter& p, const QString& word) {
  static const QColor colours[] = {QColor(220, 30, 30), QColor(20, 140, 40), QColor(30, 70, 220), QColor(200, 110, 0),
                                   QColor(150, 30, 170)};
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  const QFontMetricsF metrics(font);
  p.translate(0.5, 0);
  p.scale((kSize - 1) / metrics.horizontalAdvance(word), 1.0);
  qreal x = 0;
  for (qsizetype i = 0; i < word.size(); ++i) {
    p.setPen(colours[i % std::size(colours)]);
    p.drawText(QPointF(x, 12), word.at(i));
    x += metrics.horizontalAdvance(word.at(i));
  }
}

void TypesetPage(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 9, 13));
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (qreal y = 4.5; y < 13; y += 2.5) p.drawLine(QPointF(3.5, y), QPointF(8.5, y));
  QPolygonF arrow;
  arrow << QPointF(7.5, 5.5) << QPointF(15, 10) << QPointF(7.5, 14.5);
  p.setPen(QPen(QColor(20, 110, 30), 1));
  p.setBrush(QColor(60, 180, 70));
  p.drawPolygon(arrow);
}

// A closed folder with an arrow leaving it: the folder is shown elsewhere.
void FolderToShow(QPainter& p) {
  p.setPen(QPen(QColor(140, 100, 20), 1));
  p.setBrush(QColor(230, 180, 60));
  p.drawRect(QRectF(0.5, 3.5, 5, 2));
  p.drawRect(QRectF(0.5, 5.5, 12, 9));
  p.setPen(QPen(QColor(20, 80, 190), 2));
  p.drawLine(QPointF(6, 11), QPointF(12.5, 4.5));
  QPolygonF head;
  head << QPointF(9, 1.5) << QPointF(15, 1.5) << QPointF(15, 7.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 80, 190));
  p.drawPolygon(head);
}

}  // namespace

QIcon MakeFolderImage() { return DrawIcon(kSize, FolderToShow); }

QIcon MakeTypesetImage() { return DrawIcon(kSize, TypesetPage); }

QList<QIcon> MakeImageList1() {
  return {DrawIcon(kSize, NewSheet), DrawIcon(kSize, OpenFolder), DrawIcon(kSize, FloppyDisk),
          DrawIcon(kSize, [](QPainter& p) { ColouredWord(p, QStringLiteral("Math")); }),
          DrawIcon(kSize, [](QPainter& p) { ColouredWord(p, QStringLiteral("Basic")); })};
}

}  // namespace zumoku
