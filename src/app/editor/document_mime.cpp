#include "app/editor/document_mime.h"

#include <QMimeData>

#include "app/editor/entry_policy.h"
#include "encoding/codec.h"
#include "encoding/line_ends.h"

namespace zumoku {

namespace {
QString DocumentBytesFormat(Encoding encoding) {
  return encoding == Encoding::kUtf8 ? QStringLiteral("application/x-zumoku-utf-8")
                                     : QStringLiteral("application/x-zumoku-shift-jis");
}

// NUL comes in as the stand-in of byte 0, which only decoding may create.
QChar NulStandIn() { return QChar(codec::kByteStandInBase); }
}  // namespace

QString NormalizeLineEnds(const QString& text) {
  const QStringView view(text);
  return QString::fromStdU16String(
      NormalizeInsertedLineEndsToLf(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size()))));
}

QMimeData* DocumentMimeData(const QString& text, const std::optional<std::string>& bytes, Encoding encoding) {
  auto* data = new QMimeData;
  data->setText(text);
  if (bytes)
    data->setData(DocumentBytesFormat(encoding), QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
  return data;
}

bool CarriesText(const QMimeData& data, Encoding encoding) {
  return data.hasText() || data.hasFormat(DocumentBytesFormat(encoding));
}

std::optional<IncomingText> IncomingBytes(const QMimeData& data, Encoding encoding) {
  if (const QString format = DocumentBytesFormat(encoding); data.hasFormat(format)) {
    const QByteArray bytes = data.data(format);
    return IncomingText{NormalizeInsertedLineEnds(std::string_view(bytes.constData(), bytes.size())), std::nullopt};
  }
  if (!data.hasText()) return std::nullopt;
  QString text = NormalizeLineEnds(data.text());
  if (auto refusal = RefusedEntryMessage(QString(text).remove(QChar(0)), encoding)) return IncomingText{{}, refusal};
  return IncomingText{codec::EncodeChecked(text.replace(QChar(0), NulStandIn()), encoding), std::nullopt};
}

}  // namespace zumoku
