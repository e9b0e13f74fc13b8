#include "pictures/picture_insertion.h"

#include "encoding/line_ends.h"
#include "math/use_package.h"
#include "pictures/figure_block.h"
#include "pictures/picture_path.h"
#include "typeset/output_names.h"

namespace zumoku::pictures {

namespace {

std::string Joined(std::string_view a, std::string_view b, std::string_view c = {}) {
  return std::string(a).append(b).append(c);
}
}  // namespace

PictureInsertion::PictureInsertion(EditBuffer& buffer, Document& document, FileSystem& files, Prompts& prompts,
                                   PictureSource& source)
    : buffer_(buffer), document_(document), files_(files), prompts_(prompts), source_(source) {}

void PictureInsertion::Run() {
  if (const auto png = source_.ClipboardPng()) {
    InsertClipboardPicture(*png);
  } else {
    InsertChosenPicture();
  }
}

void PictureInsertion::InsertClipboardPicture(const std::string& png) {
  // The picture is kept beside the document, so the document needs a folder.
  if (!document_.HasFile()) document_.Save();
  if (!document_.HasFile()) return;  // the Save flow has said why
  const std::string folder = FolderOf(document_.CurrentFileName());
  const std::string name = FreePictureName(files_, folder);
  if (!files_.Write(folder + name, png)) {
    prompts_.ShowError(Joined("画像ファイル ", folder + name, " を保存できません"));
    return;
  }
  prompts_.ShowStatus(Joined("画像を ", name, " に保存しました"));
  InsertFigure(name);
}

void PictureInsertion::InsertChosenPicture() {
  const std::string folder = document_.HasFile() ? FolderOf(document_.CurrentFileName()) : std::string();
  const auto picture = source_.ChoosePicture(folder);
  if (!picture) return;
  if (!files_.Exists(*picture) || files_.IsSpecialFile(*picture)) {
    prompts_.ShowError(Joined("ファイル ", *picture, " は開けません"));
    return;
  }
  if (!IsPictureName(*picture)) {
    prompts_.ShowError(Joined("ファイル ", *picture, " はPNG、JPEG、PDF、EPSの画像ではありません"));
    return;
  }
  // dvipdfmx would empty that PDF while reading it in.
  if (document_.HasFile() && *picture == typeset::PdfFileOf(document_.CurrentFileName())) {
    prompts_.ShowError(
        Joined("ファイル ", *picture, " はこの文書をタイプセットして作るPDFなので、画像として挿入できません"));
    return;
  }
  const std::string texPath = TexPath(folder, *picture);
  if (!TexCanRead(texPath)) {
    prompts_.ShowError(
        Joined("画像 ", texPath,
               " は挿入できません。空白、%、#、{、}、'、\"、\\ や日本語などの全角文字を含む名前は、"
               "LaTeXで読み込めません。ファイル名を半角英数字にして、文書と同じフォルダーに置いてください"));
    return;
  }
  if (!TexKnowsExtension(texPath)) {
    prompts_.ShowError(
        Joined("画像 ", texPath,
               " は挿入できません。拡張子に大文字と小文字が混ざっていると、LaTeXは画像の種類を判別できません。"
               "拡張子をすべて小文字（.png など）にしてください"));
    return;
  }
  InsertFigure(texPath);
}

void PictureInsertion::InsertFigure(const std::string& texPath) {
  const std::string text = buffer_.Text();
  const auto start = static_cast<std::size_t>(buffer_.SelStart());
  std::string caption = buffer_.SelText();
  const std::size_t end = start + caption.size();
  // Line ends that close the selection follow the block instead.
  std::string after = caption.substr(caption.find_last_not_of(kLineEnd) + 1);
  caption.resize(caption.size() - after.size());
  if (after.empty() && end < text.size() && text[end] != '\r') after = kLineEnd;
  const std::string before(start > 0 && text[start - 1] != '\n' ? kLineEnd : std::string_view());
  const std::string block = FigureBlock(texPath, caption, UniqueFigureLabel(text, texPath, buffer_.TextEncoding()));
  const std::string inserted = before + block + after;
  buffer_.SetSelText(inserted);
  auto caret = static_cast<int>(start + inserted.size());

  const std::size_t size = text.size() - (end - start) + inserted.size();
  if (!math::EnsurePackageLine(buffer_, "graphicx", "[dvipdfmx]")) {
    prompts_.ShowStatus("graphicxパッケージが必要です");
  }
  // A package line written above the figure moves it down; the line's
  // rewrite leaves the caret at that line's end.
  const auto grown = static_cast<int>(buffer_.Text().size() - size);
  if (grown > 0 && buffer_.SelStart() - grown <= static_cast<int>(start)) caret += grown;
  buffer_.SetSelStart(caret);
}

}  // namespace zumoku::pictures
