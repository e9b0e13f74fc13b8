#pragma once
// ProgramOptions as the texts of a settings file's keys ("editor/fontPixels"
// = "16"). A value that is missing takes its default; one that cannot be
// read, or that its field's check refuses, takes its default and is named.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "options/program_options.h"

namespace zumoku::options {

// The text stored under `key`, nullopt when there is none.
using ValueLookup = std::function<std::optional<std::string>(const std::string& key)>;

struct ReadOptions {
  ProgramOptions options;
  std::vector<std::string> unreadableKeys;
};
ReadOptions ReadProgramOptions(const ValueLookup& value);

// Every key with its text, as ReadProgramOptions reads them back.
std::vector<std::pair<std::string, std::string>> OptionValues(const ProgramOptions& options);

}  // namespace zumoku::options
