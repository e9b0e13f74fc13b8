// The section manager's entry of the text context menu.
#include "app/dialogs/section_manager.h"
#include "app/mainwindow/main_window.h"

namespace zumoku {

void TForm1::N58Click() { (new TSectionManager(*this, Buffer(), StatusWriter()))->show(); }

}  // namespace zumoku
