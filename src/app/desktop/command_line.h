#pragma once
// What the program is asked on its command line: a file to open, the
// version, the usage, or something it cannot do.
#include <QString>
#include <QStringList>

namespace zumoku {

struct CommandLine {
  enum class Action { kRun, kShowVersion, kShowHelp, kRefuse };
  Action action = Action::kRun;
  // kRun: the file to open, empty for none.
  QString file;
  // The text to print for the other actions, in Japanese.
  QString message;
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
CommandLine ReadCommandLine(const QStringList& arguments);

}  // namespace zumoku
