#include "version_check/http_address.h"

#include <gtest/gtest.h>

#include "version_check/socket_error_text.h"

namespace zumoku::about {

TEST(SplitAddress, HostPortAndPath) {
  const std::string longPath = "/" + std::string(300, 'a');
  const struct {
    std::string url, host;
    int port;
    std::string path;
  } rows[] = {
      {"http://zumoku.example.org/program/Zumoku_VersionNum.txt", "zumoku.example.org", 80,
       "/program/Zumoku_VersionNum.txt"},
      {"http://host:8080/a/b", "host", 8080, "/a/b"},
      {"http://host", "host", 80, "/"},
      {"http://host:81", "host", 81, "/"},
      {"ftp://host/x", "host", 21, "/x"},
      {"gopher://host/x", "host", 70, "/x"},
      {"GOPHER://host:99/x", "host", 99, "/x"},
      {"news://host/x", "host", 80, "/x"},
      {"host:8080/x", "host", 8080, "/x"},
      {"http://host" + longPath, "host", 80, longPath.substr(0, 256)},
  };
  for (const auto& row : rows) {
    const auto split = SplitAddress(row.url);
    ASSERT_TRUE(std::holds_alternative<HttpAddress>(split)) << row.url;
    const auto& address = std::get<HttpAddress>(split);
    EXPECT_EQ(address.host, row.host) << row.url;
    EXPECT_EQ(address.port, row.port) << row.url;
    EXPECT_EQ(address.path, row.path) << row.url;
  }
}

TEST(SplitAddress, UnusableAddressesGiveTheirErrorText) {
  const struct {
    std::string url, error;
  } rows[] = {
      {"", "Empty URL"},
      {"https://host/x", "HTTP Secure Socket is not supported"},
      {"HTTPS://host/x", "HTTP Secure Socket is not supported"},
      {"http://host:8o/x", "'8o' は整数ではありません"},
      {"http://host:/x", "'' は整数ではありません"},
      {"http://host:70000/x", "Connection Failed"},
  };
  for (const auto& row : rows) {
    const auto split = SplitAddress(row.url);
    ASSERT_TRUE(std::holds_alternative<std::string>(split)) << row.url;
    EXPECT_EQ(std::get<std::string>(split), row.error);
  }
}

TEST(SocketErrorText, NumberAndTheSystemsEnglishDescription) {
  EXPECT_EQ(SocketErrorText(104), "104:Connection reset by peer");
  EXPECT_EQ(SocketErrorText(111), "111:Connection refused");
  EXPECT_EQ(SocketErrorText(110), "110:Connection timed out");
  EXPECT_EQ(SocketErrorText(4711), "Unknown Error No. 4711");
}

}  // namespace zumoku::about
