#pragma once
// The CompletionHost over memo1: the one place completion meets the widget.
#include "app/completion/completion_host.h"

namespace zumoku {

class Memo;

class MemoCompletionHost : public CompletionHost {
  Q_OBJECT
 public:
  explicit MemoCompletionHost(Memo& memo);

  QWidget& Editor() override;
  QRect CaretRect() const override;
  bool Composing() const override { return composing_; }
  std::string LineBeforeCaret() const override;
  char ByteAfterCaret() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Memo& memo_;
  bool composing_ = false;
};

}  // namespace zumoku
