#include "options/option_values.h"

#include <array>

namespace zumoku::options {

namespace {

template <typename T>
using Access = T& (*)(ProgramOptions&);

struct Flag {
  const char* key;
  Access<bool> field;
};
struct Number {
  const char* key;
  Access<int> field;
  Range range;
};
struct Text {
  const char* key;
  Access<std::string> field;
  std::string (*check)(std::string_view);
};
// A value that one of a few names stands for.
template <typename T>
struct Choice {
  const char* key;
  Access<T> field;
  std::array<std::pair<T, const char*>, 2> names;
};

std::string NoCheck(std::string_view) { return {}; }
std::string CheckShiftJisEngine(std::string_view engine) { return CheckEngine(engine, Encoding::kShiftJis); }
std::string CheckUtf8Engine(std::string_view engine) { return CheckEngine(engine, Encoding::kUtf8); }

const Flag kFlags[] = {
    {"editor/lineNumbers", [](ProgramOptions& o) -> bool& { return o.editor.lineNumbers; }},
    {"editor/caretLine", [](ProgramOptions& o) -> bool& { return o.editor.caretLine; }},
    {"editor/highlighting", [](ProgramOptions& o) -> bool& { return o.editor.highlighting; }},
    {"editor/braceMatching", [](ProgramOptions& o) -> bool& { return o.editor.braceMatching; }},
    {"typing/typingAid", [](ProgramOptions& o) -> bool& { return o.typing.typingAid; }},
    {"typing/stepOverClosingBrace", [](ProgramOptions& o) -> bool& { return o.typing.stepOverClosingBrace; }},
    {"typing/completion", [](ProgramOptions& o) -> bool& { return o.typing.completion; }},
    {"typeset/useLatexmk", [](ProgramOptions& o) -> bool& { return o.typeset.commands.useLatexmk; }},
};

const Number kNumbers[] = {
    {"editor/fontPixels", [](ProgramOptions& o) -> int& { return o.editor.fontPixels; }, kFontPixels},
    {"editor/tabWidth", [](ProgramOptions& o) -> int& { return o.editor.tabWidth; }, kTabWidth},
    {"autosave/intervalSeconds", [](ProgramOptions& o) -> int& { return o.document.autosaveSeconds; },
     kAutosaveSeconds},
    {"typing/completionLetters", [](ProgramOptions& o) -> int& { return o.typing.completionLetters; },
     kCompletionLetters},
};

const Text kTexts[] = {
    {"editor/fontFamily", [](ProgramOptions& o) -> std::string& { return o.editor.fontFamily; }, CheckFontFamily},
    {"typeset/shiftJisEngine", [](ProgramOptions& o) -> std::string& { return o.typeset.commands.shiftJisEngine; },
     CheckShiftJisEngine},
    {"typeset/utf8Engine", [](ProgramOptions& o) -> std::string& { return o.typeset.commands.utf8Engine; },
     CheckUtf8Engine},
    {"typeset/dviToPdf", [](ProgramOptions& o) -> std::string& { return o.typeset.commands.dviToPdf; }, CheckDviToPdf},
    {"typeset/dviToPdfOptions", [](ProgramOptions& o) -> std::string& { return o.typeset.commands.dviToPdfOptions; },
     NoCheck},
    {"typeset/pdfViewer", [](ProgramOptions& o) -> std::string& { return o.typeset.pdfViewer; }, NoCheck},
};

const Choice<Encoding> kEncoding{"newDocument/encoding",
                                 [](ProgramOptions& o) -> Encoding& { return o.document.newFormat.encoding; },
                                 {{{Encoding::kShiftJis, "Shift_JIS"}, {Encoding::kUtf8, "UTF-8"}}}};
const Choice<LineEndStyle> kLineEnds{"newDocument/lineEnds",
                                     [](ProgramOptions& o) -> LineEndStyle& { return o.document.newFormat.lineEnds; },
                                     {{{LineEndStyle::kCrLf, "CRLF"}, {LineEndStyle::kLf, "LF"}}}};

// Reads each key into its field; a key that is there but does not read
// is named and its field keeps the default.
class Reader {
 public:
  explicit Reader(const ValueLookup& value) : value_(value) {}

  void Read(const Flag& flag) {
    Take(flag.key, [&](const std::string& text) {
      if (text != "true" && text != "false") return false;
      flag.field(read_.options) = text == "true";
      return true;
    });
  }
  void Read(const Number& number) {
    Take(number.key, [&](const std::string& text) {
      if (!CheckNumber(text, number.range).empty()) return false;
      number.field(read_.options) = NumberOf(text);
      return true;
    });
  }
  void Read(const Text& field) {
    Take(field.key, [&](const std::string& text) {
      if (!field.check(text).empty()) return false;
      field.field(read_.options) = text;
      return true;
    });
  }
  template <typename T>
  void Read(const Choice<T>& choice) {
    Take(choice.key, [&](const std::string& text) {
      for (const auto& [value, name] : choice.names) {
        if (text != name) continue;
        choice.field(read_.options) = value;
        return true;
      }
      return false;
    });
  }
  ReadOptions Result() && { return std::move(read_); }

 private:
  void Take(const char* key, const std::function<bool(const std::string&)>& parse) {
    const auto text = value_(key);
    if (text && !parse(*text)) read_.unreadableKeys.emplace_back(key);
  }

  const ValueLookup& value_;
  ReadOptions read_;
};

template <typename T>
const char* NameOf(const Choice<T>& choice, T value) {
  for (const auto& [candidate, name] : choice.names) {
    if (candidate == value) return name;
  }
  return choice.names.front().second;
}

}  // namespace

ReadOptions ReadProgramOptions(const ValueLookup& value) {
  Reader reader(value);
  for (const Flag& flag : kFlags) reader.Read(flag);
  for (const Number& number : kNumbers) reader.Read(number);
  for (const Text& text : kTexts) reader.Read(text);
  reader.Read(kEncoding);
  reader.Read(kLineEnds);
  return std::move(reader).Result();
}

std::vector<std::pair<std::string, std::string>> OptionValues(const ProgramOptions& options) {
  ProgramOptions copy = options;  // the fields' accessors take a changeable one
  std::vector<std::pair<std::string, std::string>> values;
  for (const Flag& flag : kFlags) values.emplace_back(flag.key, flag.field(copy) ? "true" : "false");
  for (const Number& number : kNumbers) values.emplace_back(number.key, std::to_string(number.field(copy)));
  for (const Text& text : kTexts) values.emplace_back(text.key, text.field(copy));
  values.emplace_back(kEncoding.key, NameOf(kEncoding, kEncoding.field(copy)));
  values.emplace_back(kLineEnds.key, NameOf(kLineEnds, kLineEnds.field(copy)));
  return values;
}

}  // namespace zumoku::options
