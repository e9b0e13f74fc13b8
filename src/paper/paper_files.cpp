#include "paper/paper_files.h"

#include <algorithm>
#include <variant>

#include "documents/text_format.h"
#include "paper/paper_paths.h"
#include "paper/paper_read.h"
#include "paper/tex_names.h"

namespace zumoku::paper {

namespace {

class PaperReader {
 public:
  PaperReader(FileSystem& files, const std::string& rootPath, const std::optional<OpenText>& open)
      : files_(files),
        rootPath_(JoinedPath("/", rootPath)),
        folder_(FolderOf(rootPath_)),
        open_(open),
        openPath_(open ? JoinedPath("/", open->path) : std::string()) {}

  Paper Read() {
    Visit(rootPath_, FileNameOf(rootPath_), {});
    return std::move(paper_);
  }

 private:
  struct Text {
    std::string bytes;
    Encoding encoding;
  };

  void Problem(std::string sentence) {
    if (std::ranges::find(paper_.problems, sentence) == paper_.problems.end())
      paper_.problems.push_back(std::move(sentence));
  }

  // The file's text, or why there is none.
  std::variant<Text, FileRead> TextOf(const std::string& path, const std::string& name) {
    const Encoding plain =
        paper_.files.empty() ? (open_ ? open_->encoding : Encoding::kShiftJis) : paper_.files.front().encoding;
    if (open_ && openPath_ == path) return Text{open_->text, open_->encoding};
    FileRead read = ReadPaperFile(files_, path, name);
    if (!read.bytes) return read;
    const DetectedFormat detected = DetectFormat(*read.bytes, plain);
    read.bytes->erase(0, read.bytes->size() - detected.text.size());  // the byte-order mark
    return Text{std::move(*read.bytes), detected.format.encoding};
  }

  // Which file reads the next one, and where.
  struct ReadBy {
    int parent = -1;
    std::size_t at = 0;
    int depth = 0;
  };

  // `asGiven`: the name TeX reads when `path`, the name with ".tex", is not there.
  void Visit(const std::string& path, const std::string& name, const ReadBy& by, const std::string& asGiven = {}) {
    const int depth = by.depth;
    if (std::ranges::find(stack_, path) != stack_.end()) return Loop(name);
    if (std::ranges::any_of(paper_.files, [&](const PaperFile& file) { return file.path == path; }))
      return;  // read once, where it is first read
    if (paper_.files.size() >= kMaxPaperFiles || depth > kMaxInputDepth) {
      return Problem("読み込むファイルが多すぎるため、" + name + " から先は読みません。");
    }
    auto read = TextOf(path, name);
    if (auto* unread = std::get_if<FileRead>(&read)) {
      if (unread->missing && !asGiven.empty() && files_.Exists(JoinedPath(folder_, asGiven))) {
        return VisitNamed(asGiven, by);
      }
      return Problem(std::move(unread->problem));
    }
    auto* text = &std::get<Text>(read);
    if (!paper_.files.empty() && text->encoding != paper_.files.front().encoding) WrongEncoding(name, text->encoding);
    paper_.files.push_back({.path = path,
                            .name = name,
                            .text = std::move(text->bytes),
                            .encoding = text->encoding,
                            .depth = depth,
                            .parent = by.parent,
                            .readAt = by.at});
    const int index = static_cast<int>(paper_.files.size()) - 1;
    stack_.push_back(path);
    // Named before following them: each file read moves the texts read before.
    for (const NamedFile& named : NamedFiles(paper_.files.back().text, text->encoding)) {
      Follow(named, text->encoding, {.parent = index, .at = named.begin, .depth = depth + 1});
    }
    stack_.pop_back();
  }

  void Follow(const NamedFile& named, Encoding encoding, const ReadBy& by) {
    const std::string name = FileSystemName(named.name, encoding);
    switch (named.kind) {
      case NameKind::kInput:
      case NameKind::kSubfile:
        // TeX tries the name with ".tex" first, then as given.
        return name.ends_with(".tex") ? VisitNamed(name, by) : VisitNamed(name + ".tex", by, name);
      case NameKind::kInclude:
        return VisitNamed(WithTexExtension(name), by);
      case NameKind::kBibliography:
        return AddBibliography(name.ends_with(".bib") ? name : name + ".bib");
      case NameKind::kGraphics:
        return;
    }
  }

  void VisitNamed(const std::string& name, const ReadBy& by, const std::string& asGiven = {}) {
    const std::string path = JoinedPath(folder_, name);
    Visit(path, RelativeName(path, folder_), by, asGiven);
  }

  void AddBibliography(const std::string& name) {
    const std::string path = JoinedPath(folder_, name);
    if (std::ranges::find(paper_.bibliographies, path) == paper_.bibliographies.end())
      paper_.bibliographies.push_back(path);
  }

  void Loop(const std::string& name) {
    std::string chain;
    for (const std::string& path : stack_) chain += RelativeName(path, folder_) + " → ";
    Problem("読み込みが循環しているため、" + name + " を再び読みません: " + chain + name);
  }

  void WrongEncoding(const std::string& name, Encoding encoding) {
    const PaperFile& root = paper_.files.front();
    Problem(name + " は " + std::string(EncodingName(encoding)) + " で、親ファイル " + root.name + " は " +
            std::string(EncodingName(root.encoding)) + " です。");
  }

  FileSystem& files_;
  std::string rootPath_;
  std::string folder_;
  const std::optional<OpenText>& open_;
  std::string openPath_;
  Paper paper_;
  std::vector<std::string> stack_;
};

}  // namespace

Paper ReadPaper(FileSystem& files, const std::string& rootPath, const std::optional<OpenText>& open) {
  return PaperReader(files, rootPath, open).Read();
}

bool PaperReads(const Paper& paper, const std::string& path) {
  const std::string normal = JoinedPath("/", path);
  return std::ranges::any_of(paper.files, [&](const PaperFile& file) { return file.path == normal; });
}

}  // namespace zumoku::paper
