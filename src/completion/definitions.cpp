#include "completion/definitions.h"

#include "completion/tex_reader.h"

namespace zumoku::completion {

namespace {

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  for (std::string_view candidate : names) {
    if (candidate == name) return true;
  }
  return false;
}

std::string Braces(int count) {
  std::string pattern;
  for (int i = 0; i < count; ++i) pattern += "{}";
  return pattern;
}

// "[2][default]" after a \newcommand's name: two arguments, the first
// optional.
std::string CountedPattern(TexReader& reader) {
  const auto count = reader.Optional();
  const int arguments = count && count->size() == 1 && (*count)[0] >= '1' && (*count)[0] <= '9' ? (*count)[0] - '0' : 0;
  if (arguments > 0 && reader.Optional()) return "[]" + Braces(arguments - 1);
  return Braces(arguments);
}

// An xparse argument list (such as "m O{} m"): each mandatory argument gets braces.
std::string SpecPattern(TexReader& reader) {
  const auto spec = reader.Group();
  if (!spec) return {};
  int mandatory = 0;
  int depth = 0;
  for (char c : *spec) {
    if (c == '{') ++depth;
    if (c == '}') --depth;
    if (depth == 0 && c == 'm') ++mandatory;
  }
  return Braces(mandatory);
}

// The command's name after \newcommand: "{\name}" or "\name".
std::optional<std::string_view> DefinedCommandName(TexReader& reader) {
  reader.Star();
  if (const auto group = reader.Group()) {
    TexReader inner(*group);
    return inner.ControlWordHere();
  }
  return reader.ControlWordHere();
}

void AddNames(std::vector<std::string>& to, std::string_view list, std::string_view suffixToDrop = {}) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view name = list.substr(start, end - start);
    const auto first = name.find_first_not_of(" \t\r\n");
    const auto last = name.find_last_not_of(" \t\r\n");
    if (first != std::string_view::npos) {
      name = name.substr(first, last - first + 1);
      if (!suffixToDrop.empty() && name.ends_with(suffixToDrop)) name.remove_suffix(suffixToDrop.size());
      to.emplace_back(name);
    }
    start = end + 1;
  }
}

void ReadCommand(std::string_view word, TexReader& reader, Definitions& found) {
  const bool counted = IsOneOf(word, {"newcommand", "renewcommand", "providecommand", "DeclareRobustCommand"});
  const bool xparse =
      IsOneOf(word, {"NewDocumentCommand", "RenewDocumentCommand", "ProvideDocumentCommand", "DeclareDocumentCommand"});
  const bool operatorName = word == "DeclareMathOperator";
  const bool def = IsOneOf(word, {"def", "gdef", "edef", "xdef"});
  if (!counted && !xparse && !operatorName && !def) return;
  const auto name = def ? reader.ControlWordHere() : DefinedCommandName(reader);
  if (!name || !IsPublicName(*name)) return;
  std::string pattern;
  if (counted) pattern = CountedPattern(reader);
  if (xparse) pattern = SpecPattern(reader);
  found.commands.push_back({std::string(*name), std::move(pattern)});
}

void ReadEnvironment(std::string_view word, TexReader& reader, Definitions& found) {
  const bool counted = IsOneOf(word, {"newenvironment", "renewenvironment", "provideenvironment"});
  const bool xparse = IsOneOf(word, {"NewDocumentEnvironment", "RenewDocumentEnvironment"});
  const bool theorem = word == "newtheorem";
  if (!counted && !xparse && !theorem) return;
  reader.Star();
  const auto name = reader.Group();
  if (!name || !IsPublicName(*name) || name->find('\\') != std::string_view::npos) return;
  std::string pattern;
  if (counted) pattern = CountedPattern(reader);
  if (xparse) pattern = SpecPattern(reader);
  found.environments.push_back({std::string(*name), std::move(pattern)});
}

void ReadNamedFiles(std::string_view word, TexReader& reader, Definitions& found) {
  const bool package = word == "usepackage" || word == "RequirePackage";
  const bool documentClass = word == "documentclass" || word == "LoadClass";
  const bool bibliography = word == "bibliography" || word == "addbibresource";
  if (!package && !documentClass && !bibliography) return;
  reader.Optional();
  const auto names = reader.Group();
  if (!names) return;
  if (package) AddNames(found.packages, *names);
  if (documentClass) AddNames(found.classes, *names);
  if (bibliography) AddNames(found.bibFiles, *names, ".bib");
}

}  // namespace

Definitions ScanDefinitions(std::string_view text) {
  Definitions found;
  TexReader reader(text);
  while (const auto word = reader.NextControlWord()) {
    ReadCommand(*word, reader, found);
    ReadEnvironment(*word, reader, found);
    ReadNamedFiles(*word, reader, found);
  }
  return found;
}

}  // namespace zumoku::completion
