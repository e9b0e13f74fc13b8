#include "app/dialogs/format_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLayout>
#include <QPushButton>

#include "app/widgets/dialog_style.h"

namespace zumoku {

namespace {
// The encoding box's rows, in order.
constexpr TextFormat kEncodings[] = {
    {Encoding::kShiftJis, false, LineEndStyle::kCrLf},
    {Encoding::kUtf8, false, LineEndStyle::kCrLf},
    {Encoding::kUtf8, true, LineEndStyle::kCrLf},
};

int EncodingRow(const TextFormat& format) {
  if (format.encoding == Encoding::kShiftJis) return 0;
  return format.byteOrderMark ? 2 : 1;
}
}  // namespace

FormatDialog::FormatDialog(QWidget* parent, const TextFormat& current) : QDialog(parent, DialogWindowFlags()) {
  setObjectName(QStringLiteral("FormatDialog"));
  setWindowTitle(QStringLiteral("文字コードを変えて保存"));
  EncodingBox = new QComboBox(this);
  EncodingBox->setObjectName(QStringLiteral("EncodingBox"));
  EncodingBox->addItems({QStringLiteral("Shift_JIS"), QStringLiteral("UTF-8"), QStringLiteral("UTF-8 (BOM付き)")});
  EncodingBox->setCurrentIndex(EncodingRow(current));
  LineEndsBox = new QComboBox(this);
  LineEndsBox->setObjectName(QStringLiteral("LineEndsBox"));
  LineEndsBox->addItems({QStringLiteral("CR LF"), QStringLiteral("LF")});
  LineEndsBox->setCurrentIndex(current.lineEnds == LineEndStyle::kLf ? 1 : 0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("文字コード："), EncodingBox);
  layout->addRow(QStringLiteral("改行コード："), LineEndsBox);
  layout->addRow(buttons);
  // A size of its own, so the window frame draws no resize handle, and wide
  // enough for the whole caption.
  setFixedSize(std::max(sizeHint().width(), TitleBarWidth(*this)), sizeHint().height());
}

TextFormat FormatDialog::Chosen() const {
  TextFormat format = kEncodings[EncodingBox->currentIndex()];
  format.lineEnds = LineEndsBox->currentIndex() == 1 ? LineEndStyle::kLf : LineEndStyle::kCrLf;
  return format;
}

std::optional<TextFormat> FormatDialog::Ask(QWidget* parent, const TextFormat& current) {
  FormatDialog dialog(parent, current);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace zumoku
