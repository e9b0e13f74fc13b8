#include "version_check/version_check.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "check_run.h"
#include "local_server.h"
#include "sjis_text.h"

namespace zumoku::test {

using about::VersionCheck;

namespace {
const QByteArray kOk = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
}  // namespace

class VersionCheckTest : public ::testing::Test {
 protected:
  Outcome Check(VersionCheck& check) {
    return RunUntilEnd(&check, &VersionCheck::Found, &VersionCheck::Failed, [&] { check.Start(); });
  }
  QString VersionFile() const { return folder.filePath(QStringLiteral("Zumoku_VersionNum.txt")); }

  QTemporaryDir folder;
};

TEST(VersionFile, LiesInTheGivenFolder) {
  EXPECT_EQ(about::VersionFilePath(QStringLiteral("/d")), QStringLiteral("/d/Zumoku_VersionNum.txt"));
  EXPECT_TRUE(about::VersionAddress().ends_with("/program/Zumoku_VersionNum.txt"));
}

// Whatever the status, the body's first line is the version, and the file
// is gone afterwards.
TEST_F(VersionCheckTest, FirstLineOfTheBodyIsShownAndTheFileRemoved) {
  const struct {
    QByteArray reply;
    QString version;
  } rows[] = {
      {kOk + "0.45\r\nnotes\r\n", QStringLiteral("0.45")},
      {kOk, QString()},
      {"HTTP/1.0 404 Not Found\r\n\r\n<html>missing</html>\r\n", QStringLiteral("<html>missing</html>")},
      {kOk + "0.5\x1a\r\n", QStringLiteral("0.5")},
      {kOk + "0.5\nbeta\r\n", QStringLiteral("0.5\nbeta")},
      {"HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\n0.45\r\n", QStringLiteral("0.45")},
      {"HTTP/1.0 200 OK\nServer: lf-only\n\n0.6", QStringLiteral("0.6")},
      {kOk + QByteArray::fromStdString(S("最新版 0.7\r\n")), QStringLiteral("最新版 0.7")},
      // Only the first hundred characters are shown, not bytes: 漢 is 8A BF.
      {kOk + QByteArray(about::kMaxReplyBytes, 'x'), QString(100, u'x')},
      {kOk + QByteArray(150, 'v').replace("vv", "\x8a\xbf"), QString(75, u'漢')},
      {kOk + QByteArray(300, 'v').replace("vv", "\x8a\xbf"), QString(100, u'漢')},
  };
  for (const auto& row : rows) {
    LocalServer server({{row.reply}});
    VersionCheck check(server.Url("/program/Zumoku_VersionNum.txt"), VersionFile());
    const Outcome outcome = Check(check);
    EXPECT_TRUE(outcome.ok) << outcome.text.left(80).toStdString();
    EXPECT_EQ(outcome.text, row.version) << row.reply.left(80).toStdString();
    EXPECT_FALSE(QFile::exists(VersionFile()));
  }
}

TEST_F(VersionCheckTest, FailuresGiveTheirText) {
  using End = ScriptedReply::End;
  const struct {
    ScriptedReply reply;
    QString error;
    bool fileLeft;
  } rows[] = {
      {{"HTTP/1.0 200 OK\r\nContent-Ty"}, QStringLiteral("サーバーの応答が途中で切れました"), false},
      {{""}, QStringLiteral("サーバーの応答が途中で切れました"), false},
      {{kOk + "0.4", End::kReset}, QStringLiteral("104:Connection reset by peer"), true},
      {{kOk + QByteArray(about::kMaxReplyBytes + 1, 'x')},
       QStringLiteral("サーバーの応答が大きすぎるので中止しました（1 MiB まで）"),
       false},
  };
  for (const auto& row : rows) {
    LocalServer server({row.reply});
    VersionCheck check(server.Url("/v.txt"), VersionFile());
    const Outcome outcome = Check(check);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.text, row.error);
    EXPECT_EQ(QFile::exists(VersionFile()), row.fileLeft) << row.error.toStdString();
    QFile::remove(VersionFile());
  }
}

TEST_F(VersionCheckTest, ASecondCheckAfterASuccessfulOne) {
  LocalServer server({{kOk + "0.4\r\n"}, {kOk + "0.5\r\n"}});
  VersionCheck check(server.Url("/v.txt"), VersionFile());
  EXPECT_EQ(Check(check).text, QStringLiteral("0.4"));
  EXPECT_EQ(Check(check).text, QStringLiteral("0.5"));
}

}  // namespace zumoku::test
