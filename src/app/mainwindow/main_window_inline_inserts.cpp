// Logos, quotes, footnotes, margin notes, verbatim text, emphasis dots and
// section heads of the text context menu.
#include "app/mainwindow/main_window.h"
#include "markup/inline_inserts.h"

namespace zumoku {

void TForm1::TeX5Click() { Buffer().SetSelText(insert::kTeX); }
void TForm1::LaTeX1Click() { Buffer().SetSelText(insert::kLaTeX); }
void TForm1::LaTeXe1Click() { Buffer().SetSelText(insert::kLaTeXe); }
void TForm1::N16Click() { Wrap(Buffer(), insert::kQuotes); }
void TForm1::N28Click() { Wrap(Buffer(), insert::kFootnote); }
void TForm1::marginpar1Click() { Wrap(Buffer(), insert::kMarginpar); }
void TForm1::reversemarginpar1Click() { Wrap(Buffer(), insert::kReverseMarginpar); }
void TForm1::N30Click() { insert::MarginNoteBothSides(Buffer()); }
void TForm1::Verb2Click() { insert::InlineVerbatim(Buffer(), insert::kVerb); }
void TForm1::N15Click() { insert::InlineVerbatim(Buffer(), insert::kVerbStar); }
void TForm1::verbatim1Click() { insert::VerbatimBlock(Buffer(), insert::kVerbatim); }
void TForm1::verbatim2Click() { insert::VerbatimBlock(Buffer(), insert::kVerbatimStar); }
void TForm1::N40Click() { insert::EmphasisDots(Buffer()); }
void TForm1::N55Click() { Wrap(Buffer(), insert::kSection); }
void TForm1::N56Click() { Wrap(Buffer(), insert::kSubsection); }

}  // namespace zumoku
