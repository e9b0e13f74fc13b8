// The section manager's entry of the text context menu.
#include "app/tform1.h"
#include "app/tsection_manager.h"

namespace zumoku {

void TForm1::N58Click() { (new TSectionManager(*this, Buffer(), StatusWriter()))->show(); }

}  // namespace zumoku
