// Steps the README's screenshot programs share.
#pragma once

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <string>

#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"

namespace zumoku::screenshot {

inline bool WriteFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

inline bool TypesetAndWait(TForm1& form) {
  auto& runner = form.findChild<Typesetting*>()->Runner();
  QSignalSpy finished(&runner, &typeset::TypesetRunner::finished);
  form.Typeset1Click();
  return !finished.isEmpty() || finished.wait(30000);
}

// Puts the caret on `line`, lets the highlight and the pages render, and
// saves the window to `file`.
inline bool GrabWithCaretOn(TForm1& form, int line, const char* file) {
  form.memo1->GoToLine(line);
  QSignalSpy settle(qApp, &QApplication::focusChanged);
  settle.wait(800);
  return form.grab().save(QString::fromLocal8Bit(file));
}

}  // namespace zumoku::screenshot
