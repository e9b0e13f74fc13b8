#include <QApplication>

#include "fonts.h"
#include "tform1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(zumoku::WindowFont());
  zumoku::TForm1 form1;
  form1.show();
  return QApplication::exec();
}
