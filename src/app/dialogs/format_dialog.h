#pragma once
// The dialog of "文字コードを変えて保存...": the encoding (Shift_JIS, UTF-8,
// UTF-8 with a byte-order mark) and the line ends to save the document in.
#include <QComboBox>
#include <QDialog>
#include <optional>

#include "documents/text_format.h"

namespace zumoku {

class FormatDialog : public QDialog {
  Q_OBJECT
 public:
  FormatDialog(QWidget* parent, const TextFormat& current);

  // The chosen format after OK; nothing after キャンセル, Esc or the close box.
  static std::optional<TextFormat> Ask(QWidget* parent, const TextFormat& current);

  TextFormat Chosen() const;

  QComboBox* EncodingBox;
  QComboBox* LineEndsBox;
};

}  // namespace zumoku
