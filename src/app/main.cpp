#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/fonts.h"
#include "app/tform1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(zumoku::WindowFont());
  // Qt's own dialogs (Open, Save) in Japanese, like the rest of the program.
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtJapanese);
  }
  zumoku::TForm1 form1({.splash = true});
  if (form1.QuitAtStart()) return 0;
  form1.show();
  return QApplication::exec();
}
