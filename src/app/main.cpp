#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "app/desktop/command_line.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/fonts.h"

namespace {
// Prints what the command line asked for instead of starting; the exit status.
int Answer(const zumoku::CommandLine& line) {
  const bool refused = line.action == zumoku::CommandLine::Action::kRefuse;
  std::fputs(line.message.toLocal8Bit().constData(), refused ? stderr : stdout);
  return refused ? 1 : 0;
}

// The command line is answered before the window system is reached, so
// --version, --help and a refusal work without a display too.
zumoku::CommandLine ReadWithoutDisplay(int argc, char* argv[]) {
  const QCoreApplication probe(argc, argv);
  return zumoku::ReadCommandLine(QCoreApplication::arguments());
}
}  // namespace

int main(int argc, char* argv[]) {
  const zumoku::CommandLine line = ReadWithoutDisplay(argc, argv);
  if (line.action != zumoku::CommandLine::Action::kRun) return Answer(line);
  QApplication app(argc, argv);
  // Names the per-user data folder and ties the window to the desktop entry.
  QApplication::setApplicationName(QStringLiteral("zumoku"));
  QApplication::setDesktopFileName(QStringLiteral(ZUMOKU_DESKTOP_ID));
  // Installed, the icon theme holds the program's icon under the same id.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ZUMOKU_DESKTOP_ID)));
  QApplication::setFont(zumoku::WindowFont());
  // Qt's own dialogs (Open, Save) in Japanese, like the rest of the program.
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtJapanese);
  }

  // A file named on the command line is opened instead of greeting the user.
  zumoku::TForm1 form1({.splash = line.file.isEmpty()});
  if (form1.QuitAtStart()) return 0;
  form1.show();
  if (!line.file.isEmpty()) form1.OpenFile(line.file);
  return QApplication::exec();
}
