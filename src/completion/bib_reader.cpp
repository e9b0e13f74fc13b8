#include "completion/bib_reader.h"

#include <cctype>
#include <map>
#include <optional>

namespace zumoku::completion {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == ':' || c == '.' || c == '+' ||
         c == '/' || c == '\'' || static_cast<unsigned char>(c) >= 0x80;
}

// Braces dropped and white space joined: the value as shown.
std::string Shown(std::string_view value) {
  std::string shown;
  for (char c : value) {
    if (c == '{' || c == '}') continue;
    const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (space && (shown.empty() || shown.back() == ' ')) continue;
    shown += space ? ' ' : c;
  }
  if (!shown.empty() && shown.back() == ' ') shown.pop_back();
  return shown;
}

class EntryParser {
 public:
  EntryParser(std::string_view text, std::map<std::string, std::string>& strings) : text_(text), strings_(strings) {}

  // Reads the entry whose '@' is at `at`; the position after it is then
  // Position(). False for text that is no entry of use.
  std::optional<BibEntry> Read(std::size_t at) {
    at_ = at + 1;
    const std::string type = Lower(Name());
    SkipBlank();
    if (at_ >= text_.size() || (text_[at_] != '{' && text_[at_] != '(')) return std::nullopt;
    close_ = text_[at_] == '{' ? '}' : ')';
    ++at_;
    if (type == "comment" || type == "preamble") {
      --at_;
      consumed_ = SkipGroup();
      return std::nullopt;
    }
    if (type == "string") {
      consumed_ = ReadFields(nullptr);
      return std::nullopt;
    }
    SkipBlank();
    BibEntry entry;
    entry.key = Name();
    SkipBlank();
    if (entry.key.empty() || at_ >= text_.size() || (text_[at_] != ',' && text_[at_] != close_)) return std::nullopt;
    if (text_[at_] == ',') ++at_;
    if (!ReadFields(&entry)) return std::nullopt;
    consumed_ = true;
    return entry;
  }
  // Where the text after what Read took goes on; nullopt when Read took
  // nothing whole.
  std::optional<std::size_t> End() const { return consumed_ ? std::optional(at_) : std::nullopt; }

 private:
  std::string Name() {
    const std::size_t start = at_;
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    return std::string(text_.substr(start, at_ - start));
  }

  void SkipBlank() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '%') {
        const std::size_t lineEnd = text_.find('\n', at_);
        at_ = lineEnd == std::string_view::npos ? text_.size() : lineEnd;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++at_;
      } else {
        return;
      }
    }
  }

  // True at a line that begins a new entry: a value that runs into one
  // was never closed.
  bool AtEntryLine() const {
    std::size_t i = at_ + 1;
    while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
    return i < text_.size() && text_[i] == '@';
  }

  // Moves past a balanced group at at_; false when it runs into the next
  // entry or the end.
  bool SkipGroup() {
    int depth = 0;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '\n' && AtEntryLine()) return false;
      if (c == '{' || c == '(') ++depth;
      if ((c == '}' || c == ')') && --depth == 0) {
        ++at_;
        return true;
      }
    }
    return false;
  }

  // One piece of a value: {..}, ".." or a number or @string name.
  std::optional<std::string> Piece() {
    if (at_ >= text_.size()) return std::nullopt;
    const char first = text_[at_];
    if (first != '{' && first != '"') {
      const std::string name = Name();
      if (name.empty()) return std::nullopt;
      const auto known = strings_.find(Lower(name));
      return known != strings_.end() ? known->second : name;
    }
    const std::size_t start = ++at_;
    int depth = first == '{' ? 1 : 0;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '\n' && AtEntryLine()) return std::nullopt;
      if (c == '\\') {
        ++at_;
      } else if (c == '{') {
        ++depth;
      } else if (c == '}' && --depth == 0 && first == '{') {
        return std::string(text_.substr(start, at_++ - start));
      } else if (c == '"' && depth == 0 && first == '"') {
        return std::string(text_.substr(start, at_++ - start));
      }
    }
    return std::nullopt;
  }

  std::optional<std::string> Value() {
    std::string value;
    while (true) {
      SkipBlank();
      const auto piece = Piece();
      if (!piece) return std::nullopt;
      value += *piece;
      SkipBlank();
      if (at_ >= text_.size() || text_[at_] != '#') return value;
      ++at_;
    }
  }

  // name = value, ... up to the closing brace; into `entry`, or into the
  // @string table when there is none.
  bool ReadFields(BibEntry* entry) {
    while (true) {
      SkipBlank();
      if (at_ >= text_.size()) return false;
      if (text_[at_] == close_) {
        ++at_;
        return true;
      }
      const std::string field = Lower(Name());
      SkipBlank();
      if (field.empty() || at_ >= text_.size() || text_[at_] != '=') return false;
      ++at_;
      const auto value = Value();
      if (!value) return false;
      Keep(entry, field, *value);
      SkipBlank();
      if (at_ < text_.size() && text_[at_] == ',') ++at_;
    }
  }

  void Keep(BibEntry* entry, const std::string& field, const std::string& value) {
    if (entry == nullptr) {
      strings_[field] = value;
    } else if (field == "author" || (field == "editor" && entry->author.empty())) {
      entry->author = Shown(value);
    } else if (field == "year") {
      entry->year = Shown(value);
    } else if (field == "title") {
      entry->title = Shown(value);
    }
  }

  std::string_view text_;
  std::map<std::string, std::string>& strings_;
  std::size_t at_ = 0;
  char close_ = '}';
  bool consumed_ = false;
};

// True when the '@' at `at` stands in a line's % comment.
bool InComment(std::string_view text, std::size_t at) {
  const std::size_t lineStart = text.rfind('\n', at);
  const std::size_t from = lineStart == std::string_view::npos ? 0 : lineStart + 1;
  return text.substr(from, at - from).find('%') != std::string_view::npos;
}

}  // namespace

std::vector<BibEntry> ReadBib(std::string_view text) {
  std::vector<BibEntry> entries;
  std::map<std::string, std::string> strings;
  std::size_t at = text.find('@');
  while (at != std::string_view::npos) {
    if (InComment(text, at)) {
      at = text.find('@', at + 1);
      continue;
    }
    EntryParser parser(text, strings);
    auto entry = parser.Read(at);
    // After a broken entry, the search goes on from just past its '@'.
    const std::size_t next = parser.End().value_or(at + 1);
    if (entry) entries.push_back(std::move(*entry));
    at = text.find('@', next);
  }
  return entries;
}

}  // namespace zumoku::completion
