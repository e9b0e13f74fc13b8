#include "completion/gather.h"

#include <set>

#include "completion/bib_reader.h"
#include "completion/definitions.h"
#include "completion/labels.h"
#include "completion/word_lists.h"

namespace zumoku::completion {

namespace fs = std::filesystem;

namespace {

void AddDefinitions(const Definitions& definitions, const std::string& source, WordSet& words) {
  for (const Defined& command : definitions.commands) {
    words.commands.push_back(Entry(command.name, command.pattern, {}, source));
  }
  for (const Defined& environment : definitions.environments) {
    words.environments.push_back(Entry(environment.name, environment.pattern, {}, source));
  }
}

void AddNames(const std::vector<std::string>& names, const std::string& source, std::vector<Candidate>& to) {
  for (const std::string& name : names) to.push_back(Entry(name, {}, {}, source));
}

std::string CitationDetail(const BibEntry& entry) {
  std::string detail = entry.author;
  if (!entry.year.empty()) detail += " (" + entry.year + ")";
  if (!entry.title.empty()) detail += (detail.empty() ? "" : " ") + entry.title;
  return detail;
}

// What the paper's files name, to be read after them.
struct Named {
  std::vector<std::string> packageFiles;  // "amsmath.sty", "jarticle.cls"
  std::vector<std::string> bibFiles;      // as named, without ".bib"
};

class Gatherer {
 public:
  explicit Gatherer(const GatherInput& input) : input_(input) {}

  Gathered Run() && {
    for (const WordList& list : BuiltInCommands())
      AddDefinitions(Definitions{list.words, {}, {}, {}, {}}, std::string(list.source), out_.words);
    for (const WordList& list : BuiltInEnvironments()) {
      AddDefinitions(Definitions{{}, list.words, {}, {}, {}}, std::string(list.source), out_.words);
    }
    for (const PaperFile& file : input_.paper) ReadPaperFile(file);
    // A document without a file has no folder to look in.
    if (!input_.paper.empty() && input_.paper.front().path.has_parent_path()) {
      const fs::path folder = input_.paper.front().path.parent_path();
      ReadBibFiles(folder);
      AddFolderFiles(folder);
    }
    ReadPackages();
    if (input_.installed != nullptr) {
      AddNames(input_.installed->packages, "TeX Live", out_.words.packages);
      AddNames(input_.installed->classes, "TeX Live", out_.words.classes);
    }
    out_.words.Finish();
    return std::move(out_);
  }

 private:
  void ReadPaperFile(const PaperFile& file) {
    const auto bytes = file.bytes ? file.bytes : ReadBounded(file.path, kMaxSourceBytes);
    const std::string name = file.path.filename().string();
    if (!bytes) {
      out_.problems.push_back(name + " を読めませんでした");
      return;
    }
    const std::string text = DecodedText(*bytes);
    const Definitions definitions = ScanDefinitions(text);
    AddDefinitions(definitions, name, out_.words);
    for (const std::string& package : definitions.packages) named_.packageFiles.push_back(package + ".sty");
    for (const std::string& documentClass : definitions.classes) named_.packageFiles.push_back(documentClass + ".cls");
    named_.bibFiles.insert(named_.bibFiles.end(), definitions.bibFiles.begin(), definitions.bibFiles.end());
    for (Label& label : ScanLabels(text)) {
      out_.words.labels.push_back(
          Entry(std::move(label.key), {}, std::move(label.text), name + ":" + std::to_string(label.line)));
    }
  }

  void ReadBibFiles(const fs::path& folder) {
    for (const std::string& bib : named_.bibFiles) {
      const fs::path path = folder / (bib + ".bib");
      const auto bytes = ReadBounded(path, kMaxBibBytes);
      if (!bytes) {
        out_.problems.push_back(bib + ".bib を読めませんでした");
        continue;
      }
      const std::string source = path.filename().string();
      for (const BibEntry& entry : ReadBib(DecodedText(*bytes))) {
        out_.words.citations.push_back(Entry(entry.key, {}, CitationDetail(entry), source));
      }
    }
  }

  void AddFolderFiles(const fs::path& folder) {
    const FolderFiles files = ListFolderFiles(folder);
    AddNames(files.tex, "", out_.words.texFiles);
    AddNames(files.pictures, "", out_.words.pictures);
    AddNames(files.bib, "", out_.words.bibFiles);
    for (const std::string& bib : files.bib) out_.words.bibResources.push_back(Entry(bib + ".bib"));
  }

  // Level by level: the files the paper names, then those they load; each
  // file once, so a package that loads itself ends there.
  void ReadPackages() {
    if (!input_.locate || input_.packages == nullptr) return;
    std::set<std::string> asked;
    std::vector<std::string> next = named_.packageFiles;
    while (!next.empty() && static_cast<int>(asked.size()) < kMaxPackageFiles) {
      std::vector<std::string> names;
      for (const std::string& name : next) {
        if (asked.insert(name).second) names.push_back(name);
      }
      next.clear();
      if (names.empty()) break;
      for (const fs::path& path : input_.locate(names)) {
        const auto definitions = input_.packages->Read(path);
        if (!definitions) continue;
        AddDefinitions(*definitions, path.stem().string(), out_.words);
        for (const std::string& package : definitions->packages) next.push_back(package + ".sty");
        for (const std::string& documentClass : definitions->classes) next.push_back(documentClass + ".cls");
      }
    }
  }

  const GatherInput& input_;
  Gathered out_;
  Named named_;
};

}  // namespace

Gathered GatherWords(const GatherInput& input) { return Gatherer(input).Run(); }

}  // namespace zumoku::completion
