// The alignment commands of the text context menu. They act on the blocks
// found when the menu opened (HasFlushLeft, HasCenter, HasFlushRight).
#include "app/mainwindow/main_window.h"

namespace zumoku {

void TForm1::AlignSelection(align::Environment environment) {
  align::Align(Buffer(), environment, {HasFlushLeft, HasCenter, HasFlushRight});
}

void TForm1::N24Click() { AlignSelection(align::kFlushLeft); }
void TForm1::N26Click() { AlignSelection(align::kCenter); }
void TForm1::N25Click() { AlignSelection(align::kFlushRight); }

}  // namespace zumoku
