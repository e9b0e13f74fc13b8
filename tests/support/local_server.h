#pragma once
// An HTTP server on 127.0.0.1 (never any other address) for the network
// tests. Each connection gets the next scripted reply once its request has
// ended with an empty line; the requests are kept as received. It runs in
// the test's own event loop and stops with the test.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace zumoku::test {

struct ScriptedReply {
  enum class End {
    kClose,    // close in order once everything is sent
    kHang,     // keep the connection open and say nothing more
    kReset,    // reset the connection once everything is sent
    kTrickle,  // send one byte every 50 ms, then close
  };
  QByteArray bytes;
  End end = End::kClose;
};

class LocalServer {
 public:
  explicit LocalServer(std::deque<ScriptedReply> replies = {}) : replies_(std::move(replies)) {
    EXPECT_TRUE(server_.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
  }

  quint16 Port() const { return server_.serverPort(); }
  std::string Url(const std::string& path = "") const { return "http://127.0.0.1:" + std::to_string(Port()) + path; }
  const std::vector<QByteArray>& Requests() const { return requests_; }

 private:
  void Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
    }
  }

  void Read(QTcpSocket* socket) {
    QByteArray& request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    requests_.push_back(request);
    pending_.erase(socket);
    if (replies_.empty()) return socket->disconnectFromHost();
    const ScriptedReply reply = replies_.front();
    replies_.pop_front();
    if (reply.end == ScriptedReply::End::kTrickle) return Trickle(socket, reply.bytes);
    socket->write(reply.bytes);
    if (reply.end == ScriptedReply::End::kClose) socket->disconnectFromHost();
    if (reply.end == ScriptedReply::End::kReset) {
      QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() > 0) return;
        // Closing with a zero linger time sends a reset instead of a FIN.
        const linger hard{1, 0};
        setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        socket->abort();
      });
    }
  }

  static void Trickle(QTcpSocket* socket, const QByteArray& bytes) {
    auto* timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, bytes, sent = qsizetype{0}]() mutable {
      if (sent == bytes.size()) {
        timer->stop();
        return socket->disconnectFromHost();
      }
      socket->write(bytes.mid(sent++, 1));
    });
    timer->start(50);
  }

  QTcpServer server_;
  std::deque<ScriptedReply> replies_;
  std::map<QTcpSocket*, QByteArray> pending_;
  std::vector<QByteArray> requests_;
};

}  // namespace zumoku::test
