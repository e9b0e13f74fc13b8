#pragma once
// Keeps out of a one-line box what its settings file cannot store: a
// character Shift_JIS cannot hold, or a line break, which would split the
// file's line. The refused input is undone and the reason reported. A box
// whose text goes into the document follows the document's encoding instead,
// and takes line ends, which the document holds.
#include <QValidator>
#include <functional>

#include "encoding/encoding.h"

namespace zumoku {

class SjisValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
  void FollowEncoding(std::function<Encoding()> encoding) { encoding_ = std::move(encoding); }

 signals:
  void refused(const QString& message) const;

 private:
  std::function<Encoding()> encoding_;
};

}  // namespace zumoku
