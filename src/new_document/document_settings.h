#pragma once
// The document settings dialog's state and its algorithms, apart from the
// widgets: the class text and its titlepage option, the entry list, the
// title block, and OK, which stores the settings and fills the template.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku {

class SettingsFiles;

inline constexpr std::string_view kDefaultClassText = "{jsarticle}";

// What the dialog shows. Texts are Shift_JIS; the preamble's line ends are
// CR LF.
struct DocumentSettings {
  std::vector<std::string> entries;
  int selected = -1;  // the selected entry; -1 when the class text was typed or never picked
  std::string classText{kDefaultClassText};
  std::string preamble;
  std::string title, author, date;
  bool showTitle = false;
};

// The main window's new-document template, set by the dialog's OK.
struct NewDocumentTemplate {
  std::string ClassLine;
  std::string PreambleText;
  std::string TitleBlock;
};

bool NamesTitlePage(std::string_view classText);
// The title-page check box turned on: "titlepage," as the first option of an
// option list, or "[titlepage]" in front; unchanged when already named.
std::string WithTitlePage(std::string_view classText);
// Turned off: every "[titlepage]", then every "titlepage,", removed.
std::string WithoutTitlePage(std::string_view classText);

// Whether an entry equals the text, ignoring the case of single-byte letters
// (a trail byte is never folded: ア and ヂ differ only there).
bool HasEntry(const std::vector<std::string>& entries, std::string_view text);

std::string TitleBlock(std::string_view title, std::string_view author, std::string_view date);

// "<<削除": deletes the selected entry unless it is the first, selects the
// first entry and stores the list. Nothing at all when the first entry was
// selected.
void DeleteSelectedEntry(DocumentSettings& settings, SettingsFiles& files);

// OK: stores the class list (when the class text is a new entry), the
// preamble and the title lines, then fills the template. False when a file
// could not be written: the files before it stay written, the template is
// left as it was and the dialog stays open.
bool ConfirmSettings(DocumentSettings& settings, SettingsFiles& files, NewDocumentTemplate& fields);

}  // namespace zumoku
