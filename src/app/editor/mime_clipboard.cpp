#include "app/editor/mime_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/editor/document_mime.h"
#include "encoding/codec.h"

namespace zumoku {

std::optional<std::string> MimeClipboard::Text() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const auto incoming = data ? IncomingBytes(*data, encoding_()) : std::nullopt;
  if (!incoming) return std::nullopt;
  if (incoming->refusal) {
    refused_(*incoming->refusal);
    return std::nullopt;
  }
  return incoming->bytes;
}

void MimeClipboard::SetText(std::string_view bytes) {
  const Encoding encoding = encoding_();
  QGuiApplication::clipboard()->setMimeData(
      DocumentMimeData(codec::Decode(bytes, encoding), std::string(bytes), encoding));
}

}  // namespace zumoku
