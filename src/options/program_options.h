#pragma once
// What "プログラムの設定" sets: the editor's look, the typing aid, the
// typesetting commands, new documents and autosave; with each value's
// default, the checks of typed values and the messages they give.
#include <string>
#include <string_view>

#include "documents/text_format.h"
#include "typeset/tool_commands.h"

namespace zumoku::options {

struct EditorOptions {
  std::string fontFamily = "ＭＳ Ｐゴシック";
  int fontPixels = 16;
  int tabWidth = 8;  // in spaces
  bool lineNumbers = true;
  bool caretLine = true;
  bool highlighting = true;
  bool braceMatching = true;
  bool operator==(const EditorOptions&) const = default;
};

struct TypingOptions {
  bool typingAid = true;  // "{", "^" and "_" get their closing brace
  bool stepOverClosingBrace = false;
  bool completion = true;     // the list of commands, labels, citations... at the caret
  int completionLetters = 2;  // letters after '\' before the list of commands opens
  bool operator==(const TypingOptions&) const = default;
};

struct TypesetOptions {
  typeset::ToolCommands commands;
  std::string pdfViewer;  // a command line; empty: the desktop's own viewer
  bool operator==(const TypesetOptions&) const = default;
};

struct DocumentOptions {
  TextFormat newFormat;      // of new documents
  int autosaveSeconds = 60;  // 0: no autosave
  bool operator==(const DocumentOptions&) const = default;
};

struct ProgramOptions {
  EditorOptions editor;
  TypingOptions typing;
  TypesetOptions typeset;
  DocumentOptions document;
  bool operator==(const ProgramOptions&) const = default;
};

struct Range {
  int least;
  int most;
};
inline constexpr Range kFontPixels{6, 72};
inline constexpr Range kTabWidth{1, 16};
inline constexpr Range kAutosaveSeconds{0, 3600};
inline constexpr Range kCompletionLetters{1, 9};

// Each check gives the message for a value typed into its field, empty when
// the value will do.
std::string CheckNumber(std::string_view text, Range range);
std::string CheckFontFamily(std::string_view family);
// An engine for documents in `encoding` (see ToolCommands).
std::string CheckEngine(std::string_view engine, Encoding encoding);
std::string CheckDviToPdf(std::string_view command);

// The number in text that CheckNumber accepted.
int NumberOf(std::string_view text);

}  // namespace zumoku::options
