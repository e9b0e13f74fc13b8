#include "version_check/version_check.h"

#include <QFile>

#include "encoding/codec.h"
#include "version_check/about_config.h"

namespace zumoku::about {

std::string VersionAddress() { return std::string(kVersionBaseUrl) + "program/Zumoku_VersionNum.txt"; }

QString VersionFilePath(const QString& folder) { return folder + QStringLiteral("/Zumoku_VersionNum.txt"); }

std::string_view VersionText(std::string_view fileBytes) {
  return fileBytes.substr(0, fileBytes.find_first_of(std::string_view("\r\x1a", 2)));
}

VersionCheck::VersionCheck(std::string address, QString versionFile, QObject* parent)
    : QObject(parent), address_(std::move(address)), versionFile_(std::move(versionFile)) {
  connect(&client_, &HttpClient::Done, this, &VersionCheck::Fetched);
  connect(&client_, &HttpClient::Failed, this, &VersionCheck::Failed);
}

void VersionCheck::Start() { client_.Get(address_, versionFile_); }

void VersionCheck::Fetched() {
  QFile file(versionFile_);
  if (!file.open(QIODevice::ReadOnly)) return emit Failed(file.errorString());
  const QByteArray bytes = file.readAll();
  file.close();
  file.remove();
  const std::string_view text =
      VersionText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  emit Found(codec::Decode(text, Encoding::kShiftJis).left(kMaxVersionCharacters));
}

}  // namespace zumoku::about
