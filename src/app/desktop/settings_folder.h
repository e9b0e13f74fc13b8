#pragma once
#include <string>

namespace zumoku {

// The folder "setting" in the program's writable folder (beside the
// executable for the build tree and a portable copy), with its trailing
// separator: where the settings files are read and written. The working
// directory plays no part.
std::string SettingsFolder();

}  // namespace zumoku
