#include "app/desktop/error_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace zumoku {

QString ApplicationTitle(const QString& executablePath) {
  const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
  return name.left(1) + name.mid(1).toLower();
}

QString WithClosingPeriod(const QString& text) { return (!text.isEmpty() && text.back() > u'.') ? text + u'.' : text; }

void ShowErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()),
                  WithClosingPeriod(text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);  // errors name paths and quote typed text
  box.exec();
}

}  // namespace zumoku
