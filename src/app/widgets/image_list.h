#pragma once
// ImageList1: the toolbar's five 16 x 16 images, drawn by the program.
#include <QIcon>
#include <QList>

namespace zumoku {

enum ImageIndex { kImageNew = 0, kImageOpen = 1, kImageSave = 2, kImageMath = 3, kImageBasic = 4 };

QList<QIcon> MakeImageList1();
// The folder button's image: a folder with an arrow out of it.
QIcon MakeFolderImage();
// The typeset button's image: a page with a green start arrow.
QIcon MakeTypesetImage();

}  // namespace zumoku
