#include "app/widgets/dialog_style.h"

namespace zumoku {

Qt::WindowFlags DialogWindowFlags() {
  return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

QString NotWholeNumberMessage(const QString& text) { return QStringLiteral("'%1' は整数ではありません").arg(text); }

}  // namespace zumoku
