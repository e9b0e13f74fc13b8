#include "app/widgets/fonts.h"

#include <QStringList>

namespace zumoku {

namespace {
QFont GothicFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(pixelSize);
  return font;
}
}  // namespace

QFont WindowFont() { return GothicFont(12); }
QFont EditorFont() { return GothicFont(16); }

}  // namespace zumoku
