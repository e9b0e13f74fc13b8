#include "version_check/http_client.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cerrno>

#include "version_check/socket_error_text.h"
#include "version_check/tcp_connection.h"

namespace zumoku::about {

namespace {
const QString kConnectionFailed = QStringLiteral("Connection Failed");
const QString kTooLarge = QStringLiteral("サーバーの応答が大きすぎるので中止しました（1 MiB まで）");
const QString kControlInLocation = QStringLiteral("転送先のアドレスに制御文字が含まれているので中止しました");
const QString kNotHttp = QStringLiteral("転送先が http のアドレスではないので中止しました");

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A Location may name a whole address or one relative to the current one.
std::string Resolved(const std::string& current, const std::string& location) {
  if (location.find("://") != std::string::npos) return location;
  const QUrl base = QUrl::fromEncoded(QByteArray::fromStdString(current));
  return base.resolved(QUrl::fromEncoded(QByteArray::fromStdString(location))).toEncoded().toStdString();
}

// A CR or LF would end the request line and add lines of the server's choosing.
bool HasControlCharacter(std::string_view address) {
  return std::ranges::any_of(address, [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

// Any other scheme would get a plain HTTP GET all the same; https is refused
// with its own message when the address is split.
bool IsHttpOrHttps(const std::string& address) {
  const QString scheme = Text(address.substr(0, address.find(':')));
  return scheme.compare(u"http", Qt::CaseInsensitive) == 0 || scheme.compare(u"https", Qt::CaseInsensitive) == 0;
}

// Why the Location, resolved to `target`, is not followed; empty when it is.
QString RedirectRefusal(int redirects, const std::string& location, const std::string& target) {
  if (redirects == kMaxRedirects) {
    return QStringLiteral("転送先の指定が %1 回を超えたので中止しました").arg(kMaxRedirects);
  }
  if (HasControlCharacter(location)) return kControlInLocation;
  if (!IsHttpOrHttps(target)) return kNotHttp;
  return {};
}
}  // namespace

HttpClient::HttpClient(QObject* parent) : QObject(parent) {
  connectTimer_.setSingleShot(true);
  silenceTimer_.setSingleShot(true);
  wholeTimer_.setSingleShot(true);
  connect(&connectTimer_, &QTimer::timeout, this, [this] { Fail(kConnectionFailed); });
  connect(&silenceTimer_, &QTimer::timeout, this, [this] { Fail(Text(SocketErrorText(ETIMEDOUT))); });
  connect(&wholeTimer_, &QTimer::timeout, this, [this] { Fail(Text(SocketErrorText(ETIMEDOUT))); });
}

HttpClient::~HttpClient() { Abandon(); }

void HttpClient::Abandon() {
  if (!running_) return;
  Finish();
  DropBody();
}

void HttpClient::Get(const std::string& url, const QString& bodyFile) {
  Abandon();
  running_ = true;
  redirects_ = 0;
  bodyBegun_ = false;
  bodyBytes_ = 0;
  body_.setFileName(bodyFile);
  wholeTimer_.start(timeouts_.whole);
  Request(url);
}

void HttpClient::Request(const std::string& url) {
  const auto split = SplitAddress(url);
  if (const auto* error = std::get_if<std::string>(&split)) return Fail(Text(*error));
  url_ = url;
  address_ = std::get<HttpAddress>(split);
  head_ = ReplyHead();
  connectTimer_.start(timeouts_.connect);
  // A dotted address is used as it is: no name server is asked, not even
  // for its name.
  if (QHostAddress dotted;
      dotted.setAddress(Text(address_.host)) && dotted.protocol() == QAbstractSocket::IPv4Protocol) {
    return ConnectTo(dotted);
  }
  lookupId_ = QHostInfo::lookupHost(Text(address_.host), this, &HttpClient::LookedUp);
}

void HttpClient::LookedUp(const QHostInfo& info) {
  lookupId_ = -1;
  const QList<QHostAddress> addresses = info.addresses();
  if (info.error() != QHostInfo::NoError || addresses.isEmpty()) return Fail(QStringLiteral("Null Remote Address"));
  QHostAddress address = addresses.first();
  for (const QHostAddress& candidate : addresses) {
    if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
      address = candidate;
      break;
    }
  }
  ConnectTo(address);
}

void HttpClient::ConnectTo(const QHostAddress& address) {
  connection_ = new TcpConnection(this);
  connect(connection_, &TcpConnection::Connected, this, &HttpClient::Connected);
  connect(connection_, &TcpConnection::ConnectFailed, this, [this] { Fail(kConnectionFailed); });
  connect(connection_, &TcpConnection::Received, this, &HttpClient::Received);
  connect(connection_, &TcpConnection::Closed, this, &HttpClient::ServerClosed);
  connect(connection_, &TcpConnection::Failed, this, [this](int error) { Fail(Text(SocketErrorText(error))); });
  connection_->Connect(address, static_cast<quint16>(address_.port));
}

void HttpClient::Connected() {
  connectTimer_.stop();
  silenceTimer_.start(timeouts_.silence);
  connection_->Send(RequestBytes(address_));
}

void HttpClient::Received(const QByteArray& bytes) {
  silenceTimer_.start(timeouts_.silence);
  const std::string_view chunk(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (head_.Ended()) return WriteBody(chunk);
  const std::string_view rest = head_.Take(chunk);
  if (static_cast<qint64>(head_.Size()) > kMaxReplyBytes) return Fail(kTooLarge);
  if (head_.Ended()) HeadEnded(rest);
}

void HttpClient::HeadEnded(std::string_view bodyBytes) {
  if (Redirect() || !OpenBody()) return;
  WriteBody(bodyBytes);
}

bool HttpClient::Redirect() {
  const int status = head_.StatusCode();
  const std::string location = head_.Location();
  if (status < 300 || status > 399 || location.empty()) return false;
  const std::string target = Resolved(url_, location);
  if (const QString refusal = RedirectRefusal(redirects_, location, target); !refusal.isEmpty()) {
    Fail(refusal);
    return true;
  }
  ++redirects_;
  silenceTimer_.stop();
  CloseConnection();
  Request(target);
  return true;
}

bool HttpClient::OpenBody() {
  // Unbuffered: every piece goes to the file as it arrives.
  bodyBegun_ = body_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
  if (bodyBegun_) return true;
  Fail(QStringLiteral("ファイル %1 を作成できません").arg(BodyPath()));
  return false;
}

void HttpClient::WriteBody(std::string_view bytes) {
  const auto size = static_cast<qint64>(bytes.size());
  if (bodyBytes_ + size > kMaxReplyBytes) {
    Fail(kTooLarge);
    return DropBody();
  }
  bodyBytes_ += size;
  if (body_.write(bytes.data(), size) != size) Fail(QStringLiteral("ファイル %1 に書き込めません").arg(BodyPath()));
}

void HttpClient::ServerClosed() {
  // A reply cut off inside its head carries no body to show.
  if (!head_.Ended()) return Fail(QStringLiteral("サーバーの応答が途中で切れました"));
  Finish();
  QMetaObject::invokeMethod(this, &HttpClient::Done, Qt::QueuedConnection);
}

void HttpClient::Fail(const QString& error) {
  if (!running_) return;
  Finish();
  // Reported from the event loop, so that no socket notifier is on the stack
  // while the receiver shows a message box.
  QMetaObject::invokeMethod(
      this, [this, error] { emit Failed(error); }, Qt::QueuedConnection);
}

void HttpClient::Finish() {
  running_ = false;
  connectTimer_.stop();
  silenceTimer_.stop();
  wholeTimer_.stop();
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
  lookupId_ = -1;
  CloseConnection();
  body_.close();
}

// The connection may be the sender of the signal being handled: it goes later.
void HttpClient::CloseConnection() {
  if (connection_ == nullptr) return;
  connection_->Close();
  connection_->deleteLater();
  connection_ = nullptr;
}

// Only a body file this GET began is removed.
void HttpClient::DropBody() {
  if (bodyBegun_) body_.remove();
}

QString HttpClient::BodyPath() const { return QDir::toNativeSeparators(QFileInfo(body_).absoluteFilePath()); }

}  // namespace zumoku::about
