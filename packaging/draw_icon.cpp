// Draws the program's icon once from one list of shapes into both forms the
// icon theme takes: scalable SVG and a 48 x 48 PNG.
// Usage: draw_icon <name.svg> <name.png>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 48;  // the drawing's own units, one pixel of the PNG each

// A closed outline, an open line, or a circle (centre and radius).
struct Shape {
  enum Kind { kPolygon, kPolyline, kCircle } kind;
  std::vector<QPointF> points;
  const char* fill;    // "none" for no fill
  const char* stroke;  // "none" for no outline
  double strokeWidth = 0;
  double radius = 0;
};

// A sheet of paper with lines of text and a blue badge with a sum sign: a
// document that holds formulas.
const std::vector<Shape>& Drawing() {
  static const std::vector<Shape> shapes = {
      {Shape::kPolygon, {{8, 3}, {30, 3}, {40, 13}, {40, 45}, {8, 45}}, "#ffffff", "#4a5361", 1.5},
      {Shape::kPolygon, {{30, 3}, {30, 13}, {40, 13}}, "#d5dbe4", "#4a5361", 1.5},
      {Shape::kPolygon, {{13, 10}, {25, 10}, {25, 13}, {13, 13}}, "#c0392b", "none"},
      {Shape::kPolygon, {{13, 18}, {35, 18}, {35, 20.5}, {13, 20.5}}, "#8e98a6", "none"},
      {Shape::kPolygon, {{13, 24}, {30, 24}, {30, 26.5}, {13, 26.5}}, "#8e98a6", "none"},
      {Shape::kPolygon, {{13, 30}, {22, 30}, {22, 32.5}, {13, 32.5}}, "#8e98a6", "none"},
      {Shape::kCircle, {{35, 36}}, "#1f5fbf", "#ffffff", 1.5, 11},
      {Shape::kPolyline, {{40, 30.5}, {30.5, 30.5}, {35.5, 36}, {30.5, 41.5}, {40, 41.5}}, "none", "#ffffff", 2.6},
  };
  return shapes;
}

QString Points(const std::vector<QPointF>& points) {
  QStringList pairs;
  for (const QPointF& p : points) pairs << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
  return pairs.join(u' ');
}

QString Svg() {
  QString svg;
  QTextStream out(&svg);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize << "\" viewBox=\"0 0 "
      << kSize << ' ' << kSize << "\">\n";
  for (const Shape& shape : Drawing()) {
    const QString paint = QStringLiteral("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\" stroke-linejoin=\"round\"")
                              .arg(QLatin1String(shape.fill), QLatin1String(shape.stroke))
                              .arg(shape.strokeWidth);
    if (shape.kind == Shape::kCircle) {
      out << "  <circle cx=\"" << shape.points[0].x() << "\" cy=\"" << shape.points[0].y() << "\" r=\"" << shape.radius
          << "\" " << paint << "/>\n";
    } else {
      out << "  <" << (shape.kind == Shape::kPolygon ? "polygon" : "polyline") << " points=\"" << Points(shape.points)
          << "\" " << paint << "/>\n";
    }
  }
  out << "</svg>\n";
  return svg;
}

QImage Png() {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Shape& shape : Drawing()) {
    const bool outlined = qstrcmp(shape.stroke, "none") != 0;
    painter.setPen(outlined ? QPen(QColor(QLatin1String(shape.stroke)), shape.strokeWidth, Qt::SolidLine, Qt::FlatCap,
                                   Qt::RoundJoin)
                            : QPen(Qt::NoPen));
    painter.setBrush(qstrcmp(shape.fill, "none") != 0 ? QBrush(QColor(QLatin1String(shape.fill))) : QBrush());
    const QPolygonF polygon(QList<QPointF>(shape.points.begin(), shape.points.end()));
    if (shape.kind == Shape::kCircle) {
      painter.drawEllipse(shape.points[0], shape.radius, shape.radius);
    } else if (shape.kind == Shape::kPolygon) {
      painter.drawPolygon(polygon);
    } else {
      painter.drawPolyline(polygon);
    }
  }
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: draw_icon <name.svg> <name.png>\n", stderr);
    return 2;
  }
  QFile svg(QString::fromLocal8Bit(argv[1]));
  const bool written = svg.open(QIODevice::WriteOnly) && svg.write(Svg().toUtf8()) > 0 && svg.flush() &&
                       Png().save(QString::fromLocal8Bit(argv[2]), "PNG");
  return written ? 0 : 1;
}
