#pragma once
// How a socket error is shown: its number, ":" and the system's short English
// description, e.g. "104:Connection reset by peer".
#include <string>

namespace zumoku::about {

// "Unknown Error No. " and the number when the system has no description.
std::string SocketErrorText(int error);

}  // namespace zumoku::about
