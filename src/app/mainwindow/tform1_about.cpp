#include "app/mainwindow/tform1.h"
#include "app/dialogs/tform6.h"

namespace zumoku {

void TForm1::N6Click() {
  TForm6 dialog(this);
  dialog.exec();
}

}  // namespace zumoku
