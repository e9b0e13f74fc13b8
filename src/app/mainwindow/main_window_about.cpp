#include "app/dialogs/about_window.h"
#include "app/mainwindow/main_window.h"

namespace zumoku {

void TForm1::N6Click() {
  TForm6 dialog(this);
  dialog.exec();
}

}  // namespace zumoku
