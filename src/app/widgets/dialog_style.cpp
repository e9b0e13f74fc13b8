#include "app/widgets/dialog_style.h"

#include <QWidget>

namespace zumoku {

Qt::WindowFlags DialogWindowFlags() {
  return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

int TitleBarWidth(const QWidget& dialog) { return 2 * dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()); }

QString NotWholeNumberMessage(const QString& text) { return QStringLiteral("'%1' は整数ではありません").arg(text); }

}  // namespace zumoku
