#pragma once
// A forward reader of LaTeX source decoded to UTF-8, where the special
// characters are never part of another character: control words outside
// comments, brace groups and optional arguments, and the line it stands on.
#include <cstddef>
#include <optional>
#include <string_view>

namespace zumoku::completion {

class TexReader {
 public:
  explicit TexReader(std::string_view text) : text_(text) {}

  // Moves past the next control word outside comments and gives its name
  // (letters, '@' and characters past ASCII); nullopt at the end.
  std::optional<std::string_view> NextControlWord();
  // The control word right here, after spaces: "\name" in "{\name}" is read
  // by the caller through Group, this reads the bare form.
  std::optional<std::string_view> ControlWordHere();
  // The contents of the balanced {...} here, after spaces; nullopt, without
  // moving, when there is none or it does not close within kMaxGroup bytes.
  std::optional<std::string_view> Group() { return Delimited('{', '}'); }
  std::optional<std::string_view> Optional() { return Delimited('[', ']'); }
  // Moves past '*' here, telling whether there was one.
  bool Star();
  // The 1-based line of the last control word read.
  int Line();
  // The text of the line holding byte `at`.
  std::string_view LineText(std::size_t at) const;
  std::size_t Position() const { return at_; }

  static constexpr std::size_t kMaxGroup = 4096;

 private:
  void SkipSpaces();
  std::optional<std::string_view> Delimited(char open, char close);

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t wordStart_ = 0;
  std::size_t countedTo_ = 0;  // line ends are counted up to here
  int line_ = 1;
};

// True when `name` is a control word's name a user may type: no '@'.
bool IsPublicName(std::string_view name);

}  // namespace zumoku::completion
