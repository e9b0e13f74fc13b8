// The "文字サイズ" commands of the text context menu.
#include "app/mainwindow/main_window.h"
#include "markup/size_group.h"

namespace zumoku {

void TForm1::N10Huge1Click() { size::ApplySize(Buffer(), size::kHuge10); }
void TForm1::N9huge1Click() { size::ApplySize(Buffer(), size::kHuge9); }
void TForm1::N8LARGE1Click() { size::ApplySize(Buffer(), size::kLARGE8); }
void TForm1::N7Large1Click() { size::ApplySize(Buffer(), size::kLarge7); }
void TForm1::N6large1Click() { size::ApplySize(Buffer(), size::kLarge6); }
void TForm1::N5normalsize1Click() { size::ApplySize(Buffer(), size::kNormalSize5); }
void TForm1::N4small1Click() { size::ApplySize(Buffer(), size::kSmall4); }
void TForm1::N3footnotesize1Click() { size::ApplySize(Buffer(), size::kFootnoteSize3); }
void TForm1::N2scriptsize1Click() { size::ApplySize(Buffer(), size::kScriptSize2); }
void TForm1::N1tiny1Click() { size::ApplySize(Buffer(), size::kTiny1); }
void TForm1::N33Click() { size::RemoveSize(Buffer()); }

}  // namespace zumoku
