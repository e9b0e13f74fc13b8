#pragma once
// Pictures for "画像を貼り付ける": the system clipboard's image and the
// Open dialog with the picture types.
#include "pictures/picture_insertion.h"

class QWidget;

namespace zumoku {

class WindowPictures : public pictures::PictureSource {
 public:
  explicit WindowPictures(QWidget& parent) : parent_(parent) {}

  std::optional<std::string> ClipboardPng() override;
  std::optional<std::string> ChoosePicture(const std::string& folder) override;

 private:
  QWidget& parent_;
};

}  // namespace zumoku
