#include "version_check/tcp_connection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace zumoku::about {

namespace {
constexpr int kReadChunk = 64 * 1024;

socklen_t SocketAddress(const QHostAddress& address, quint16 port, sockaddr_storage& storage) {
  storage = {};
  if (address.protocol() == QAbstractSocket::IPv6Protocol) {
    auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
    in6->sin6_family = AF_INET6;
    in6->sin6_port = htons(port);
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    std::copy(std::begin(bytes.c), std::end(bytes.c), in6->sin6_addr.s6_addr);
    return sizeof(sockaddr_in6);
  }
  auto* in4 = reinterpret_cast<sockaddr_in*>(&storage);
  in4->sin_family = AF_INET;
  in4->sin_port = htons(port);
  in4->sin_addr.s_addr = htonl(address.toIPv4Address());
  return sizeof(sockaddr_in);
}
}  // namespace

TcpConnection::TcpConnection(QObject* parent) : QObject(parent) {}

TcpConnection::~TcpConnection() { Close(); }

void TcpConnection::Connect(const QHostAddress& address, quint16 port) {
  sockaddr_storage storage;
  const socklen_t length = SocketAddress(address, port, storage);
  fd_ = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return emit ConnectFailed();
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&storage), length) == 0) {
    connected_ = true;
    Listen(QSocketNotifier::Read);
    return emit Connected();
  }
  if (errno != EINPROGRESS) return emit ConnectFailed();
  // The socket turns writable once the connection is made or has failed.
  Listen(QSocketNotifier::Write);
}

void TcpConnection::Send(std::string bytes) {
  unsent_ += bytes;
  Writable();
}

void TcpConnection::Close() {
  // Close() may run inside a notifier's own signal: the notifiers go later.
  for (auto* notifier : {&reader_, &writer_}) {
    if (*notifier == nullptr) continue;
    (*notifier)->setEnabled(false);
    (*notifier)->deleteLater();
    *notifier = nullptr;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void TcpConnection::Listen(QSocketNotifier::Type type) {
  auto& notifier = type == QSocketNotifier::Read ? reader_ : writer_;
  if (!notifier) {
    notifier = new QSocketNotifier(fd_, type, this);
    connect(notifier, &QSocketNotifier::activated, this,
            type == QSocketNotifier::Read ? &TcpConnection::Readable : &TcpConnection::Writable);
  }
  notifier->setEnabled(true);
}

void TcpConnection::Writable() {
  if (!connected_) {
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) return emit ConnectFailed();
    connected_ = true;
    writer_->setEnabled(false);
    Listen(QSocketNotifier::Read);
    return emit Connected();
  }
  while (!unsent_.empty()) {
    const ssize_t sent = ::send(fd_, unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return Listen(QSocketNotifier::Write);
    if (sent < 0) return emit Failed(errno);
    unsent_.erase(0, static_cast<std::size_t>(sent));
  }
  if (writer_) writer_->setEnabled(false);
}

void TcpConnection::Readable() {
  QByteArray bytes(kReadChunk, Qt::Uninitialized);
  const ssize_t got = ::recv(fd_, bytes.data(), bytes.size(), 0);
  if (got > 0) {
    bytes.truncate(got);
    return emit Received(bytes);
  }
  if (got == 0) {
    Close();
    return emit Closed();
  }
  if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) emit Failed(errno);
}

}  // namespace zumoku::about
