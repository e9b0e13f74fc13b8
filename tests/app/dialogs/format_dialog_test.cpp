#include "app/dialogs/format_dialog.h"

#include <gtest/gtest.h>

#include "app/widgets/dialog_style.h"

namespace zumoku::test {

// Its buttons and boxes alone would make it narrower than its caption.
TEST(FormatDialog, IsWideEnoughForItsWholeCaption) {
  FormatDialog dialog(nullptr, {Encoding::kShiftJis, false, LineEndStyle::kCrLf});
  dialog.show();
  EXPECT_GE(dialog.width(), TitleBarWidth(dialog));
}

}  // namespace zumoku::test
