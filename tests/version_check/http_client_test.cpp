#include "version_check/http_client.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "check_run.h"
#include "local_server.h"

namespace zumoku::test {

using about::HttpClient;
using namespace std::chrono_literals;

namespace {
const QByteArray kOk = "HTTP/1.0 200 OK\r\n\r\n";

QByteArray Request(const std::string& path) {
  return QByteArray::fromStdString("GET " + path +
                                   " HTTP/1.0\r\n"
                                   "Host: 127.0.0.1\r\n"
                                   "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
                                   "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
                                   "Content-type: application/x-www-form-urlencoded\r\n"
                                   "\r\n");
}

QByteArray Redirect(const std::string& location) {
  return QByteArray::fromStdString("HTTP/1.0 302 Found\r\nLocation: " + location + "\r\n\r\nmoved\r\n");
}

// A port on 127.0.0.1 that nothing listens on.
quint16 ClosedPort() {
  QTcpServer probe;
  EXPECT_TRUE(probe.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0));
  return probe.serverPort();
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
}  // namespace

class HttpClientTest : public ::testing::Test {
 protected:
  Outcome Get(const std::string& url, const QString& bodyFile) {
    return RunUntilEnd(&client, &HttpClient::Done, &HttpClient::Failed, [&] { client.Get(url, bodyFile); });
  }
  Outcome Get(const std::string& url) { return Get(url, Body()); }
  QString Body() const { return folder.filePath(QStringLiteral("body.txt")); }

  QTemporaryDir folder;
  HttpClient client;
};

TEST_F(HttpClientTest, SendsExactlyTheFiveLinesAndAnEmptyOne) {
  const std::string longPath = "/" + std::string(300, 'p');
  const struct {
    std::string path, requested;
  } rows[] = {{"/program/Zumoku_VersionNum.txt", "/program/Zumoku_VersionNum.txt"},
              {"", "/"},
              {longPath, longPath.substr(0, 256)},
              {"/a b?c=1#d", "/a b?c=1#d"}};
  for (const auto& row : rows) {
    LocalServer server({{kOk}});
    EXPECT_TRUE(Get(server.Url(row.path)).ok);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests().front(), Request(row.requested));
  }
}

TEST_F(HttpClientTest, NoConnectionGivesItsText) {
  const struct {
    std::string url;
    QString error;
  } rows[] = {
      {"http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x", QStringLiteral("Connection Failed")},
      // An empty host name is refused without asking any name server.
      {"http:///x", QStringLiteral("Null Remote Address")},
      {"", QStringLiteral("Empty URL")},
  };
  for (const auto& row : rows) {
    const Outcome outcome = Get(row.url);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.text, row.error);
  }
}

TEST_F(HttpClientTest, AServerThatSaysNothingOrNeverEndsTimesOut) {
  using End = ScriptedReply::End;
  const struct {
    const char* name;
    ScriptedReply reply;
  } rows[] = {{"silent", {"HTTP/1.0 200 OK\r\n", End::kHang}},
              // Three seconds of a byte every 50 ms: never silent, but too long.
              {"trickling", {kOk + QByteArray(40, 'x'), End::kTrickle}}};
  for (const auto& row : rows) {
    LocalServer server({row.reply});
    client.SetTimeouts({.connect = 10s, .silence = 200ms, .whole = 1s});
    EXPECT_EQ(Get(server.Url("/x")).text, QStringLiteral("110:Connection timed out")) << row.name;
  }
}

TEST_F(HttpClientTest, AConnectionNotMadeInTimeFails) {
  // A listener whose queue is full lets further connection attempts wait.
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x";
  std::vector<std::unique_ptr<HttpClient>> queued;
  for (int i = 0; i < 2; ++i) {
    queued.push_back(std::make_unique<HttpClient>());
    queued.back()->Get(url, folder.filePath(QStringLiteral("q%1").arg(i)));
  }
  client.SetTimeouts({.connect = 300ms, .silence = 10s});
  EXPECT_EQ(Get(url).text, QStringLiteral("Connection Failed"));
  close(listener);
}

TEST_F(HttpClientTest, RedirectsAreFollowedUpToFiveTimes) {
  LocalServer target({{Redirect("/final")}, {kOk + "0.7"}});
  LocalServer first({{Redirect(target.Url("/moved"))}});
  EXPECT_TRUE(Get(first.Url("/start")).ok);
  EXPECT_EQ(Contents(Body()), "0.7");
  ASSERT_EQ(target.Requests().size(), 2u);
  EXPECT_EQ(target.Requests().at(0), Request("/moved"));
  EXPECT_EQ(target.Requests().at(1), Request("/final"));

  std::deque<ScriptedReply> loop(6, {Redirect("/again")});
  LocalServer endless(loop);
  EXPECT_EQ(Get(endless.Url("/x")).text, QStringLiteral("転送先の指定が 5 回を超えたので中止しました"));
  EXPECT_EQ(endless.Requests().size(), 6u);
}

TEST_F(HttpClientTest, RedirectsOnlyToPlainHttpAddresses) {
  LocalServer target({{kOk + "0.7"}});
  const std::string port = std::to_string(target.Port());
  const QString notHttp = QStringLiteral("転送先が http のアドレスではないので中止しました");
  const struct {
    std::string location;
    QString error;
  } rows[] = {
      {"https://127.0.0.1:" + port + "/x", QStringLiteral("HTTP Secure Socket is not supported")},
      {"ftp://127.0.0.1:" + port + "/x", notHttp},
      {"gopher://127.0.0.1:" + port + "/x", notHttp},
      // A CR would end the request line and add a line of the server's choosing.
      {target.Url("/injected\rX-Injected: yes"),
       QStringLiteral("転送先のアドレスに制御文字が含まれているので中止しました")},
  };
  for (const auto& row : rows) {
    LocalServer first({{Redirect(row.location)}});
    EXPECT_EQ(Get(first.Url("/x")).text, row.error) << row.location;
  }
  EXPECT_TRUE(target.Requests().empty());
}

TEST_F(HttpClientTest, ABodyFileThatCannotBeWrittenFails) {
  LocalServer server({{kOk + "0.4"}, {kOk + "0.4"}});
  const QString missing = folder.filePath(QStringLiteral("no/such/folder/v.txt"));
  EXPECT_EQ(Get(server.Url("/x"), missing).text, QStringLiteral("ファイル %1 を作成できません").arg(missing));
  EXPECT_EQ(Get(server.Url("/x"), QStringLiteral("/dev/full")).text,
            QStringLiteral("ファイル /dev/full に書き込めません"));
}

TEST_F(HttpClientTest, AnAbandonedGetRemovesTheBodyItBegan) {
  LocalServer server({{kOk + "0.4", ScriptedReply::End::kHang}});
  auto abandoned = std::make_unique<HttpClient>();
  abandoned->Get(server.Url("/x"), Body());
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile(Body()).size() == 3; }));
  abandoned.reset();
  EXPECT_FALSE(QFile::exists(Body()));
}

}  // namespace zumoku::test
