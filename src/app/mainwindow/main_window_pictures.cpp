// "画像を貼り付ける" of the text context menu.
#include "app/desktop/window_pictures.h"
#include "app/mainwindow/main_window.h"

namespace zumoku {

void TForm1::SetUpPictures() {
  pictureSource_ = std::make_unique<WindowPictures>(*this);
  pictures_ = std::make_unique<pictures::PictureInsertion>(*buffer_, *document_, files_, *prompts_, *pictureSource_);
}

void TForm1::N53Click() { pictures_->Run(); }

}  // namespace zumoku
