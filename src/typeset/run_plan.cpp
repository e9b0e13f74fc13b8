#include "typeset/run_plan.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zumoku::typeset {

namespace {

// A name starting with '-' would be read as an option, one starting with '&'
// (by TeX) as a format.
std::string AsArgument(const std::string& file) {
  return !file.empty() && (file.front() == '-' || file.front() == '&') ? "./" + file : file;
}

}  // namespace

RunPlan::RunPlan(std::string texFile, bool embedFonts) : texFile_(std::move(texFile)), embedFonts_(embedFonts) {}

Command RunPlan::Current() const {
  if (stage_ == Stage::kPlatex) {
    return {"platex",
            {"-kanji=sjis", "-interaction=nonstopmode", "-file-line-error", "-synctex=1", AsArgument(texFile_)}};
  }
  Command dvipdfmx{"dvipdfmx", {}};
  if (embedFonts_) dvipdfmx.arguments = {"-f", kEmbeddingMap};
  dvipdfmx.arguments.push_back(AsArgument(JobName() + ".dvi"));
  return dvipdfmx;
}

void RunPlan::PlatexFinished(int exitCode, const LogSummary& log) {
  if (exitCode != 0 || log.Count(EntryKind::kError) > 0) {
    stage_ = Stage::kFailed;
  } else if (log.rerunRequested && platexRuns_ <= kMaxReruns) {
    ++platexRuns_;
  } else {
    stage_ = Stage::kDvipdfmx;
  }
}

void RunPlan::DvipdfmxFinished(int exitCode) { stage_ = exitCode == 0 ? Stage::kSucceeded : Stage::kFailed; }

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t at = 0;
  while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
    const size_t end = std::min(line.find_first_of(" \t", at), line.size());
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  return fields;
}

bool IsFontFile(std::string_view name) {
  // ":1:file.ttc" picks a face of a collection.
  if (!name.empty() && name.front() == ':') name.remove_prefix(std::min(name.find(':', 1) + 1, name.size()));
  if (name.size() < 4) return false;
  std::string extension(name.substr(name.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::string_view, 4> kExtensions = {".otf", ".ttf", ".ttc", ".otc"};
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

}  // namespace

bool MapEmbedsJapaneseFonts(std::string_view map) {
  while (!map.empty()) {
    const size_t end = std::min(map.find('\n'), map.size());
    const auto fields = Fields(map.substr(0, end));
    // "rml H <font>": the Mincho face every pLaTeX document uses; a leading
    // '!' asks dvipdfmx not to embed it.
    if (fields.size() >= 3 && fields[0] == "rml") return fields[2].front() != '!' && IsFontFile(fields[2]);
    map.remove_prefix(std::min(end + 1, map.size()));
  }
  return false;
}

}  // namespace zumoku::typeset
