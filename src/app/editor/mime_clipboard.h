#pragma once
// The EditBuffer's clipboard on the system's, in memo1's formats: bytes
// copied here come back exactly; other programs' text is checked as it
// comes in, and what the document may not take pastes nothing and says why.
#include <QString>
#include <functional>

#include "buffer/clipboard.h"
#include "encoding/encoding.h"

namespace zumoku {

class MimeClipboard : public Clipboard {
 public:
  MimeClipboard(std::function<Encoding()> encoding, std::function<void(const QString&)> refused)
      : encoding_(std::move(encoding)), refused_(std::move(refused)) {}

  std::optional<std::string> Text() const override;
  void SetText(std::string_view bytes) override;

 private:
  std::function<Encoding()> encoding_;  // the document's, as it is when asked
  std::function<void(const QString&)> refused_;
};

}  // namespace zumoku
