#include "app/settings_folder.h"

#include "app/data_folder.h"

namespace zumoku {

std::string SettingsFolder() { return (DataFolder() + QStringLiteral("/setting/")).toStdString(); }

}  // namespace zumoku
