#pragma once
// One TCP client connection on a non-blocking socket, driven by the event
// loop. It reports the system's error numbers as they are, which the error
// texts of the version check show.
#include <QHostAddress>
#include <QObject>
#include <QSocketNotifier>
#include <string>

namespace zumoku::about {

class TcpConnection : public QObject {
  Q_OBJECT
 public:
  explicit TcpConnection(QObject* parent = nullptr);
  ~TcpConnection() override;

  // Starts connecting; Connected() or ConnectFailed() follows.
  void Connect(const QHostAddress& address, quint16 port);
  // Sends every byte, the rest later when the socket is full.
  void Send(std::string bytes);
  // Closes the socket; no signal follows.
  void Close();

 signals:
  void Connected();
  void ConnectFailed();
  void Received(const QByteArray& bytes);
  // The peer closed the connection in order.
  void Closed();
  // A socket error while sending or receiving, as the system's number.
  void Failed(int error);

 private:
  void Writable();
  void Readable();
  void Listen(QSocketNotifier::Type type);

  int fd_ = -1;
  bool connected_ = false;
  std::string unsent_;
  QSocketNotifier* reader_ = nullptr;
  QSocketNotifier* writer_ = nullptr;
};

}  // namespace zumoku::about
