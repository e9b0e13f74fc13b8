#include "app/widgets/fonts.h"

#include <QStringList>

namespace zumoku {

namespace {
QFont GothicFont(const QString& family, int pixelSize) {
  QStringList families = {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("Noto Sans CJK JP")};
  families.removeAll(family);
  families.prepend(family);
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}
}  // namespace

QFont WindowFont() { return GothicFont(QStringLiteral("ＭＳ Ｐゴシック"), 12); }
QFont EditorFont(const QString& family, int pixelSize) { return GothicFont(family, pixelSize); }

}  // namespace zumoku
