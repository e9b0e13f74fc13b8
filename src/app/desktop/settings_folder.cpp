#include "app/desktop/settings_folder.h"

#include "app/desktop/data_folder.h"

namespace zumoku {

std::string SettingsFolder() { return (DataFolder() + QStringLiteral("/setting/")).toStdString(); }

}  // namespace zumoku
