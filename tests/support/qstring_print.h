#pragma once
// GoogleTest shows a QString as its text rather than its bytes.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
