// The section manager's entry of the text context menu.
#include "app/mainwindow/tform1.h"
#include "app/dialogs/tsection_manager.h"

namespace zumoku {

void TForm1::N58Click() { (new TSectionManager(*this, Buffer(), StatusWriter()))->show(); }

}  // namespace zumoku
