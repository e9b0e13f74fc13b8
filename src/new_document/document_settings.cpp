#include "new_document/document_settings.h"

#include <algorithm>

#include "encoding/char_positions.h"
#include "new_document/settings_files.h"

namespace zumoku {

namespace {
constexpr std::string_view kTitlePage = "titlepage";
constexpr std::string_view kTitlePageList = "[titlepage]";
constexpr std::string_view kTitlePageOption = "titlepage,";

// One left-to-right pass, matches beginning on character boundaries only.
std::string RemoveAll(std::string_view text, std::string_view sub) {
  std::string kept;
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at, sub.size()) == sub) {
      at += sub.size();
      continue;
    }
    const std::size_t length = SjisCharLengthAt(text, at);
    kept.append(text.substr(at, length));
    at += length;
  }
  return kept;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size();) {
    const std::size_t length = SjisCharLengthAt(a, at);
    if (length == 1 ? FoldAscii(a[at]) != FoldAscii(b[at]) : a.substr(at, 2) != b.substr(at, 2)) return false;
    at += length;
  }
  return true;
}
}  // namespace

bool NamesTitlePage(std::string_view classText) { return CharPos(kTitlePage, classText, Encoding::kShiftJis) != 0; }

std::string WithTitlePage(std::string_view classText) {
  std::string text(classText);
  if (NamesTitlePage(text)) return text;
  if (text.starts_with('[')) return text.insert(1, kTitlePageOption);
  return std::string(kTitlePageList) + text;
}

std::string WithoutTitlePage(std::string_view classText) {
  return RemoveAll(RemoveAll(classText, kTitlePageList), kTitlePageOption);
}

bool HasEntry(const std::vector<std::string>& entries, std::string_view text) {
  return std::ranges::any_of(entries, [text](const std::string& entry) { return EqualIgnoringCase(entry, text); });
}

std::string TitleBlock(std::string_view title, std::string_view author, std::string_view date) {
  std::string block = "\r\\title{";
  block.append(title).append("}\r\n\\author{");
  block.append(author).append("}\r\n\\date{");
  block.append(date).append("}\r\n\\maketitle");
  return block;
}

void DeleteSelectedEntry(DocumentSettings& settings, SettingsFiles& files) {
  if (settings.selected == 0) return;
  const auto count = static_cast<int>(settings.entries.size());
  if (settings.selected > 0 && settings.selected < count)
    settings.entries.erase(settings.entries.begin() + settings.selected);
  settings.selected = -1;
  if (!settings.entries.empty()) {
    settings.selected = 0;
    settings.classText = settings.entries.front();
  }
  files.StoreClasses(settings.entries);
}

bool ConfirmSettings(DocumentSettings& settings, SettingsFiles& files, NewDocumentTemplate& fields) {
  if (!settings.classText.empty() && !HasEntry(settings.entries, settings.classText)) {
    // The entry joins the list only once it is stored, so that a second OK
    // after a failed write tries again.
    auto entries = settings.entries;
    entries.push_back(settings.classText);
    if (!files.StoreClasses(entries)) return false;
    settings.entries = std::move(entries);
  }
  if (!files.StorePreamble(settings.preamble)) return false;
  if (!files.StoreTitle(settings.title, settings.author, settings.date)) return false;
  fields.ClassLine = "\\documentclass" + settings.classText;
  fields.PreambleText = settings.preamble;
  fields.TitleBlock = settings.showTitle ? TitleBlock(settings.title, settings.author, settings.date) : std::string();
  return true;
}

}  // namespace zumoku
