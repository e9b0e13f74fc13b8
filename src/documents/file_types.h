#pragma once
// The file type lists of the Open and Save dialogs. They differ on purpose:
// the order of the patterns in the first entry and the wording of the last
// two descriptions.
#include <array>
#include <string_view>

namespace zumoku {

struct FileType {
  std::string_view description;
  std::string_view patterns;  // separated by ";"
};

inline constexpr std::array<FileType, 5> kOpenFileTypes = {{
    {"テキスト系ファイル（*.tex;*.txt;*.dat）", "*.tex;*.txt;*.dat"},
    {"TeXファイル（*.tex）", "*.tex"},
    {"テキストファイル（*.txt）", "*.txt"},
    {"データファイル（*.dat）", "*.dat"},
    {"任意ファイル（*.*）", "*.*"},
}};

inline constexpr std::array<FileType, 5> kSaveFileTypes = {{
    {"テキスト系ファイル（*.txt;*.tex;*.dat）", "*.txt;*.tex;*.dat"},
    {"TeXファイル（*.tex）", "*.tex"},
    {"テキストファイル（*.txt）", "*.txt"},
    {"datファイル（*.dat）", "*.dat"},
    {"全てのファイル（*.*）", "*.*"},
}};

}  // namespace zumoku
