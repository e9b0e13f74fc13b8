#pragma once
// One HTTP/1.0 GET whose reply body goes into a file as it arrives. It never
// blocks: name look-up, connection and transfer run in the event loop, and
// Done() or Failed() reports the end from there.
#include <QFile>
#include <QHostInfo>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <string>

#include "version_check/http_address.h"
#include "version_check/reply_head.h"

namespace zumoku::about {

class TcpConnection;

struct HttpTimeouts {
  // Until the connection is made, name look-up included.
  std::chrono::milliseconds connect{10'000};
  // Between two pieces of the reply.
  std::chrono::milliseconds silence{30'000};
  // For the whole GET, redirects included: a server that sends a byte now
  // and then would otherwise hold it for ever.
  std::chrono::milliseconds whole{60'000};
};

// A reply larger than this is refused: it would only fill the disk.
inline constexpr qint64 kMaxReplyBytes = 1 << 20;
// 3xx replies with a Location are followed this many times.
inline constexpr int kMaxRedirects = 5;

class HttpClient : public QObject {
  Q_OBJECT
 public:
  explicit HttpClient(QObject* parent = nullptr);
  // A GET still running is abandoned and the body file it began removed.
  ~HttpClient() override;

  void SetTimeouts(HttpTimeouts timeouts) { timeouts_ = timeouts; }
  // Fetches url and writes the body of the final reply into bodyFile
  // (replacing it), whatever the reply's status. A GET still running is
  // abandoned first.
  void Get(const std::string& url, const QString& bodyFile);

 signals:
  void Done();
  void Failed(const QString& error);

 private:
  void Request(const std::string& url);
  void LookedUp(const QHostInfo& info);
  void ConnectTo(const QHostAddress& address);
  void Connected();
  void Received(const QByteArray& bytes);
  void HeadEnded(std::string_view bodyBytes);
  bool Redirect();
  bool OpenBody();
  void WriteBody(std::string_view bytes);
  void ServerClosed();
  void Fail(const QString& error);
  void Finish();
  void CloseConnection();
  // Ends a GET still running and removes the body file it began.
  void Abandon();
  void DropBody();
  QString BodyPath() const;

  HttpTimeouts timeouts_;
  QTimer connectTimer_;
  QTimer silenceTimer_;
  QTimer wholeTimer_;
  bool running_ = false;
  std::string url_;
  HttpAddress address_;
  int redirects_ = 0;
  int lookupId_ = -1;
  TcpConnection* connection_ = nullptr;
  ReplyHead head_;
  QFile body_;
  bool bodyBegun_ = false;
  qint64 bodyBytes_ = 0;
};

}  // namespace zumoku::about
