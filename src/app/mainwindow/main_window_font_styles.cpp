// The "書体" commands of the text context menu.
#include "app/mainwindow/main_window.h"
#include "markup/font_style.h"

namespace zumoku {

void TForm1::N12Click() { font::ApplyStyle(Buffer(), font::kBold); }
void TForm1::N13Click() { font::ApplyStyle(Buffer(), font::kItalic); }
void TForm1::emphasis1Click() { font::ApplyStyle(Buffer(), font::kEmphasis); }
void TForm1::Taypewriter1Click() { font::ApplyStyle(Buffer(), font::kTypewriter); }
void TForm1::SansSerif1Click() { font::ApplyStyle(Buffer(), font::kSansSerif); }
void TForm1::SMALLCAPS1Click() { font::ApplyStyle(Buffer(), font::kSmallCaps); }
void TForm1::Slanted1Click() { font::ApplyStyle(Buffer(), font::kSlanted); }
void TForm1::N32Click() { font::RemoveStyle(Buffer()); }

}  // namespace zumoku
