#pragma once
#include <string>

namespace zumoku {

// The folder "setting" beside the executable, with its trailing separator:
// where the settings files are read and written. The working directory plays
// no part.
std::string SettingsFolder();

}  // namespace zumoku
