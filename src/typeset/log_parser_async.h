#pragma once
// Reads and parses LaTeX's log on a worker thread, so that a long log
// leaves the window responsive. Only the latest request is answered: a
// result that a newer request or Cancel overtook is dropped.
#include <QObject>
#include <QString>
#include <string>

#include "typeset/log_parser.h"

namespace zumoku::typeset {

class AsyncLogParser : public QObject {
  Q_OBJECT
 public:
  explicit AsyncLogParser(QObject* parent = nullptr) : QObject(parent) {}

  // Reads the log at `path` (an unreadable one reads as empty) and parses
  // it on a worker thread; `parsed` follows on this object's thread.
  void Parse(const QString& path, const std::string& mainFile);
  void Cancel() { ++request_; }

 signals:
  void parsed(const zumoku::typeset::LogSummary& log);

 private:
  unsigned request_ = 0;
};

}  // namespace zumoku::typeset
