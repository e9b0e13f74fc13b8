#pragma once
// The pictures of the splash window's three buttons, drawn by the program.
#include <QIcon>

namespace zumoku {

inline constexpr int kSplashPictureSize = 40;

QIcon NewDocumentPicture();  // a sheet of paper with the word New on it
QIcon OpenFilePicture();     // an open folder with a sheet
QIcon QuitPicture();         // a red button with the power sign

}  // namespace zumoku
