#include "app/desktop/write_error_text.h"

#include <cerrno>

namespace zumoku {

QString WriteErrorText(std::error_code error) {
  switch (error.default_error_condition().value()) {
    case ENAMETOOLONG:
      return QStringLiteral("ファイル名が長すぎます");
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("ディスクに空きがありません");
    case EACCES:
    case EPERM:
      return QStringLiteral("書き込む権限がありません");
    case EROFS:
      return QStringLiteral("読み取り専用の場所です");
    case ENOTDIR:
    case EEXIST:
      return QStringLiteral("フォルダの場所に同じ名前のファイルがあります");
    default:
      return QString::fromStdString(error.message());
  }
}

}  // namespace zumoku
