#include "new_document/settings_files.h"

#include "encoding/line_ends.h"

namespace zumoku {

namespace {
constexpr std::string_view kClasses = "documentclass.txt";
// Misspelt, and kept: users' setting folders hold their preambles under it.
constexpr std::string_view kPreamble = "prinable.txt";
constexpr std::string_view kTitle = "author.txt";
constexpr std::size_t kTitleLines = 3;
}  // namespace

SettingsFiles::SettingsFiles(FileSystem& files, Prompts& prompts, std::string folder)
    : files_(files), prompts_(prompts), folder_(std::move(folder)) {}

std::string SettingsFiles::Path(std::string_view name) const { return folder_ + std::string(name); }

std::optional<DocumentSettings> SettingsFiles::Load() {
  DocumentSettings settings;
  auto classes = ReadLines(kClasses);
  if (!classes) return std::nullopt;
  settings.entries = std::move(*classes);
  const auto preamble = ReadLines(kPreamble);
  if (!preamble) return std::nullopt;
  settings.preamble = JoinLines(*preamble);
  const auto title = ReadLines(kTitle);
  if (!title) return std::nullopt;
  if (title->size() < kTitleLines) {
    prompts_.ShowError("リストのインデックスが範囲を超えています (" + std::to_string(title->size()) + ")");
    return std::nullopt;
  }
  settings.title = (*title)[0];
  settings.author = (*title)[1];
  settings.date = (*title)[2];
  return settings;
}

bool SettingsFiles::StoreClasses(const std::vector<std::string>& entries) { return WriteLines(kClasses, entries); }

bool SettingsFiles::StorePreamble(std::string_view preamble) {
  return WriteLines(kPreamble, SplitLoadedLines(preamble));
}

bool SettingsFiles::StoreTitle(std::string_view title, std::string_view author, std::string_view date) {
  return WriteLines(kTitle, {std::string(title), std::string(author), std::string(date)});
}

std::optional<std::vector<std::string>> SettingsFiles::ReadLines(std::string_view name) {
  const std::string path = Path(name);
  const auto bytes = files_.Read(path);
  if (!bytes) {
    prompts_.ShowError("ファイル " + path + " は開けません");
    return std::nullopt;
  }
  // A NUL ends a settings file's text.
  return SplitLoadedLines(std::string_view(*bytes).substr(0, bytes->find('\0')));
}

bool SettingsFiles::WriteLines(std::string_view name, const std::vector<std::string>& lines) {
  const std::string path = Path(name);
  if (files_.Write(path, JoinLines(lines))) return true;
  prompts_.ShowError("ファイル " + path + " を作成できません");
  return false;
}

}  // namespace zumoku
