#include "typeset/log_parser_async.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace zumoku::typeset {

namespace {
LogSummary ReadLog(const QString& path, const std::string& mainFile) {
  QFile file(path);
  const QByteArray log = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  return ParseLog(std::string_view(log.constData(), log.size()), mainFile);
}
}  // namespace

void AsyncLogParser::Parse(const QString& path, const std::string& mainFile) {
  const unsigned request = ++request_;
  // The watcher belongs to this object: when it goes, no answer comes.
  auto* watcher = new QFutureWatcher<LogSummary>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
    watcher->deleteLater();
    if (request == request_) emit parsed(watcher->result());
  });
  watcher->setFuture(QtConcurrent::run(ReadLog, path, mainFile));
}

}  // namespace zumoku::typeset
