// New ("新規作成" and ToolButton1) and the splash window at start.
#include "app/dialogs/document_settings_dialog.h"
#include "app/dialogs/splash_window.h"
#include "app/mainwindow/main_window.h"
#include "new_document/new_document.h"

namespace zumoku {

void TForm1::SetUpNew(const std::string& settingsFolder) {
  settings_ = std::make_unique<SettingsFiles>(files_, *prompts_, settingsFolder);
}

void TForm1::N2Click() {
  NewDocument(*document_, *buffer_, *settings_, Template, [this](const DocumentSettings& loaded) {
    TForm3 form3(this, *settings_, Template, loaded);
    form3.exec();
  });
  DocumentCommandDone();
}

void TForm1::ShowSplash() {
  TForm4 form4(this, {.newDocument = [this] { N2Click(); }, .openFile = [this] { Open1Click(); }});
  quitAtStart_ = form4.exec() == TForm4::kQuit;
}

}  // namespace zumoku
