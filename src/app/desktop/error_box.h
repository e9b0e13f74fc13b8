#pragma once
// The application's error box: the application title as caption, the error
// icon, one OK button and the text shown plain.
#include <QString>

class QWidget;

namespace zumoku {

// The executable's file name up to its first ".", every character after the
// first in lower case.
QString ApplicationTitle(const QString& executablePath);

// "." is appended when the text's last character sorts after ".", so a
// Japanese message always ends with one.
QString WithClosingPeriod(const QString& text);

void ShowErrorBox(QWidget* parent, const QString& text);

}  // namespace zumoku
