#pragma once
// The latest-version check: one GET of the version address into the version
// file, whose first line is the latest version's number.
#include <QObject>
#include <QString>
#include <string>
#include <string_view>

#include "version_check/http_client.h"

namespace zumoku::about {

// The build's base URL followed by "program/Zumoku_VersionNum.txt".
std::string VersionAddress();
// Where the reply's body is kept while a check runs: the file
// Zumoku_VersionNum.txt in the program's writable folder.
QString VersionFilePath(const QString& folder);

// The bytes before the first CR or Ctrl-Z (26); a lone LF does not end it.
std::string_view VersionText(std::string_view fileBytes);

// The most of the version text that is shown: a line of a mebibyte costs
// seconds of layout in the About window.
inline constexpr qsizetype kMaxVersionCharacters = 100;

class VersionCheck : public QObject {
  Q_OBJECT
 public:
  VersionCheck(std::string address, QString versionFile, QObject* parent = nullptr);

  // Found() or Failed() follows from the event loop.
  void Start();

 signals:
  void Found(const QString& version);
  void Failed(const QString& error);

 private:
  void Fetched();

  std::string address_;
  QString versionFile_;
  HttpClient client_;
};

}  // namespace zumoku::about
