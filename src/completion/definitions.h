#pragma once
// What a package, a class or the paper itself defines and names: commands
// and environments with the arguments they take, the packages and classes it
// loads and the .bib files it names. Read from source decoded to UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::completion {

struct Defined {
  std::string name;
  std::string pattern;  // the arguments to insert after it: "{}{}", "[]{}"
  bool operator==(const Defined&) const = default;
};

struct Definitions {
  std::vector<Defined> commands;
  std::vector<Defined> environments;
  std::vector<std::string> packages;  // \usepackage, \RequirePackage
  std::vector<std::string> classes;   // \documentclass, \LoadClass
  std::vector<std::string> bibFiles;  // \bibliography (no extension), \addbibresource
};

// \newcommand, \renewcommand, \providecommand, \DeclareRobustCommand, the
// xparse forms, \def and its kin, \DeclareMathOperator; \newenvironment and
// its kin, \newtheorem. Names with '@' are internal and left out.
Definitions ScanDefinitions(std::string_view text);

}  // namespace zumoku::completion
