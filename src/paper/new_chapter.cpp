#include "paper/new_chapter.h"

#include <optional>

#include "encoding/transcode.h"
#include "paper/paper_paths.h"

namespace zumoku::paper {

namespace {

// Characters that end or change a name inside \input{...}, or that a
// shell-run TeX would take apart.
constexpr std::string_view kNotInNames = "{}%\\#$&^~ \t\"'";

std::string Quoted(std::string_view name) { return "「" + std::string(name) + "」"; }

std::optional<std::string> InEncoding(std::string_view utf8, Encoding encoding) {
  auto converted = Transcode(utf8, Encoding::kUtf8, encoding);
  if (auto* text = std::get_if<std::string>(&converted)) return std::move(*text);
  return std::nullopt;
}

// Why the name cannot be a chapter below the root's folder; empty when it can.
std::string NameRefusal(std::string_view name) {
  if (name.empty()) return "章ファイルの名前を入力してください。";
  if (name.front() == '/') return "絶対パスは使えません。親ファイルのフォルダーからの名前を入力してください。";
  for (const char c : name) {
    if (kNotInNames.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20) {
      return Quoted(name) + " には使えない文字 " + Quoted(std::string(1, c == '\t' ? ' ' : c)) +
             " があります (空白、{ } % \\ # $ & ^ ~ と引用符は使えません)。";
    }
  }
  for (std::size_t from = 0; from <= name.size();) {
    const std::size_t slash = std::min(name.find('/', from), name.size());
    const std::string_view part = name.substr(from, slash - from);
    if (part == "..") return "「..」は使えません。章ファイルは親ファイルのフォルダーの中に作ります。";
    if (part.empty() || part == ".") return Quoted(name) + " はファイル名になりません。";
    from = slash + 1;
  }
  return {};
}

}  // namespace

std::variant<NewChapter, std::string> PlanNewChapter(FileSystem& files, const std::string& rootPath,
                                                     std::string_view typed, const TextFormat& format) {
  if (std::string refusal = NameRefusal(typed); !refusal.empty()) return refusal;
  const std::string_view inputName = typed.ends_with(".tex") ? typed.substr(0, typed.size() - 4) : typed;
  const auto encodedName = InEncoding(inputName, format.encoding);
  if (!encodedName)
    return Quoted(typed) + " には " + std::string(EncodingName(format.encoding)) + " で表せない文字があります。";
  const std::string fileName = WithTexExtension(typed);
  const std::string path = JoinedPath(FolderOf(rootPath), fileName);
  const std::string folder = FolderOf(path);
  if (!files.IsFolder(folder))
    return "フォルダー " + Quoted(RelativeName(folder, FolderOf(rootPath))) + " がありません。先に作ってください。";
  if (files.Exists(path) || files.IsSpecialFile(path)) return Quoted(fileName) + " は既にあります。上書きはしません。";
  const auto root = InEncoding(RelativeName(rootPath, folder), format.encoding);
  if (!root) return "親ファイルの名前を " + std::string(EncodingName(format.encoding)) + " で表せません。";
  std::string stored = "% !TEX root = " + *root + "\r\n";
  // Without a byte-order mark, text of ASCII alone would not tell it is UTF-8.
  if (format.encoding == Encoding::kUtf8 && !format.byteOrderMark) stored += "% !TEX encoding = UTF-8\r\n";
  return NewChapter{.path = path, .input = "\\input{" + *encodedName + "}", .bytes = FileBytes(stored, format)};
}

}  // namespace zumoku::paper
