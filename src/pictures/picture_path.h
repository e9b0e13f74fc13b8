#pragma once
// Where a picture lies and how the document names it for LaTeX. Paths are
// UTF-8 with "/" between folders, as the dialogs give them.
#include <array>
#include <string>
#include <string_view>

#include "documents/file_system.h"
#include "documents/file_types.h"

namespace zumoku::pictures {

// The picture dialog's types. The first lists every kind of picture that
// platex and dvipdfmx take; a chosen file must be one of them.
inline constexpr std::array<FileType, 5> kPictureFileTypes = {{
    {"画像ファイル（*.png;*.jpg;*.jpeg;*.pdf;*.eps）", "*.png;*.jpg;*.jpeg;*.pdf;*.eps"},
    {"PNG画像（*.png）", "*.png"},
    {"JPEG画像（*.jpg;*.jpeg）", "*.jpg;*.jpeg"},
    {"PDFファイル（*.pdf）", "*.pdf"},
    {"EPSファイル（*.eps）", "*.eps"},
}};

// True when the file name ends in one of those extensions, in any case.
bool IsPictureName(std::string_view path);

// True when the extension is all small or all capital letters: graphicx
// tells the picture's type by it and knows no other spelling (".Png").
bool TexKnowsExtension(std::string_view path);

// The folder of a file, with its final "/"; "" for a bare name.
std::string FolderOf(std::string_view path);

// The path the document gives \includegraphics: relative to `documentFolder`
// (as FolderOf gives it) when the picture lies inside that folder, else the
// picture's own path. An empty folder (no file yet) keeps the path.
std::string TexPath(std::string_view documentFolder, std::string_view picture);

// False when LaTeX cannot read a picture under this path: a blank or control
// character, one of % # { } \ ' " (they end or change the argument, or break
// the quoting of the size look-up), or any byte outside ASCII. platex looks
// the file up by the document's Shift_JIS bytes, which are not the UTF-8
// bytes of the name on disk.
bool TexCanRead(std::string_view texPath);

// The first of "fig1.png", "fig2.png", ... that is not in `folder`.
std::string FreePictureName(FileSystem& files, std::string_view folder);

}  // namespace zumoku::pictures
