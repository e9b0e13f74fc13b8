#pragma once
// Keeps out of a one-line box what its settings file cannot store: a
// character Shift_JIS cannot hold, or a line break, which would split the
// file's line. The refused input is undone and the reason reported.
#include <QValidator>

namespace zumoku {

class SjisValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;

 signals:
  void refused(const QString& message) const;
};

}  // namespace zumoku
