#include "version_check/http_address.h"

#include <algorithm>
#include <charconv>

namespace zumoku::about {

namespace {
constexpr std::size_t kMaxPathBytes = 256;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return (x >= 'A' && x <= 'Z' ? x + ('a' - 'A') : x) == (y >= 'A' && y <= 'Z' ? y + ('a' - 'A') : y);
  });
}

int SchemePort(std::string_view scheme) {
  if (EqualsIgnoringCase(scheme, "gopher")) return 70;
  if (EqualsIgnoringCase(scheme, "ftp")) return 21;
  return 80;
}

bool ParseNumber(std::string_view text, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}
}  // namespace

std::variant<HttpAddress, std::string> SplitAddress(std::string_view url) {
  if (url.empty()) return std::string("Empty URL");
  const std::size_t colon = url.find(':');
  const std::string_view scheme = colon == std::string_view::npos ? std::string_view() : url.substr(0, colon);
  if (EqualsIgnoringCase(scheme, "https")) return std::string("HTTP Secure Socket is not supported");

  HttpAddress address;
  address.port = SchemePort(scheme);
  const std::size_t slashes = url.find("//");
  const std::string_view rest = slashes == std::string_view::npos ? url : url.substr(slashes + 2);
  const std::size_t pathStart = rest.find('/');
  std::string_view host = rest.substr(0, pathStart);
  if (const std::size_t portColon = host.find(':'); portColon != std::string_view::npos) {
    const std::string_view port = host.substr(portColon + 1);
    if (!ParseNumber(port, address.port)) return "'" + std::string(port) + "' は整数ではありません";
    // No connection can be made to a port outside TCP's range.
    if (address.port < 1 || address.port > 65535) return std::string("Connection Failed");
    host = host.substr(0, portColon);
  }
  address.host = host;
  address.path = pathStart == std::string_view::npos ? "/" : rest.substr(pathStart, kMaxPathBytes);
  return address;
}

std::string RequestBytes(const HttpAddress& address) {
  return "GET " + address.path + " HTTP/1.0\r\n" + "Host: " + address.host +
         "\r\n"
         "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
         "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
         "Content-type: application/x-www-form-urlencoded\r\n"
         "\r\n";
}

}  // namespace zumoku::about
