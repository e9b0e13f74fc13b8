#include "app/desktop/window_pictures.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "app/desktop/file_dialog.h"
#include "pictures/picture_path.h"

namespace zumoku {

std::optional<std::string> WindowPictures::ClipboardPng() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasImage()) return std::nullopt;
  const auto image = qvariant_cast<QImage>(data->imageData());
  QByteArray png;
  QBuffer device(&png);
  if (image.isNull() || !device.open(QIODevice::WriteOnly) || !image.save(&device, "PNG")) return std::nullopt;
  return png.toStdString();
}

std::optional<std::string> WindowPictures::ChoosePicture(const std::string& folder) {
  const auto path = ChooseFile(&parent_, QFileDialog::AcceptOpen, pictures::kPictureFileTypes, QString(),
                               QString::fromStdString(folder));
  if (!path) return std::nullopt;
  return path->toStdString();
}

}  // namespace zumoku
