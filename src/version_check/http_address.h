#pragma once
// Where a GET goes: the host, port and path taken from an address, and the
// exact request lines sent for it.
#include <string>
#include <string_view>
#include <variant>

namespace zumoku::about {

struct HttpAddress {
  std::string host;
  int port = 80;
  std::string path;
};

// The address split into host, port and path, or the error text when it
// cannot be used.
std::variant<HttpAddress, std::string> SplitAddress(std::string_view url);

// The request: five lines and an empty one, each ended by CR LF, nothing else.
std::string RequestBytes(const HttpAddress& address);

}  // namespace zumoku::about
