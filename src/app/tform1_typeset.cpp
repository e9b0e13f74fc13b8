// The typesetting commands: "タイプセット" (Ctrl+T and its toolbar button),
// "停止" and "PDF を外部ビューアで開く".
#include "app/tform1.h"
#include "app/typeset_controller.h"

namespace zumoku {

void TForm1::SetUpTypesetting() { typesetting_ = new Typesetting(*this, Find2->menuAction(), ToolBar1); }

void TForm1::Typeset1Click() { typesetting_->Typeset(); }
void TForm1::StopTypeset1Click() { typesetting_->Stop(); }
void TForm1::OpenPdf1Click() { typesetting_->OpenPdf(); }

}  // namespace zumoku
