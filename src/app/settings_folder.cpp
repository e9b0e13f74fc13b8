#include "app/settings_folder.h"

#include <QCoreApplication>

namespace zumoku {

std::string SettingsFolder() { return (QCoreApplication::applicationDirPath() + QStringLiteral("/setting/")).toStdString(); }

}  // namespace zumoku
