#include "search/search.h"

#include <QRegularExpression>
#include <algorithm>
#include <cctype>

#include "encoding/codec.h"
#include "search/byte_scanner.h"
#include "search/regex_error.h"
#include "search/regex_scanner.h"

namespace zumoku::search {

struct Search::Compiled {
  QRegularExpression expression;
  bool crossesLines = false;
};

TooComplex::TooComplex() : std::runtime_error("正規表現が複雑すぎるため検索を中止しました") {}

namespace {
bool IsWordByte(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool IsWordCharAt(std::string_view text, std::size_t at, Encoding encoding) {
  return at < text.size() && CharLengthAt(text, at, encoding) == 1 && IsWordByte(text[at]);
}

// The start of the character that ends at `at` (> 0), walking from its line start.
std::size_t PreviousCharStart(std::string_view text, std::size_t at, Encoding encoding) {
  const auto lf = at >= 2 ? text.rfind('\n', at - 2) : std::string_view::npos;
  std::size_t p = lf == std::string_view::npos ? 0 : lf + 1;
  for (std::size_t next = p + CharLengthAt(text, p, encoding); next < at; next = p + CharLengthAt(text, p, encoding)) {
    p = next;
  }
  return p;
}

// No word character on both sides of either end of the match.
bool IsWholeWord(std::string_view text, Span span, Encoding encoding) {
  const auto splitsWord = [&](std::size_t at) {
    return at > 0 && IsWordCharAt(text, at, encoding) &&
           IsWordCharAt(text, PreviousCharStart(text, at, encoding), encoding);
  };
  return span.length > 0 && !splitsWord(span.start) && !splitsWord(span.End());
}

// Only a pattern that names a line end is matched against the whole text;
// any other is matched line by line, so that one match never scans past its
// line and a search costs the same for each line however long the text.
bool NamesLineEnd(const QString& pattern) {
  static const QRegularExpression lineEnd(QStringLiteral(R"(\n|\\[nrR])"));
  return pattern.contains(lineEnd);
}

QRegularExpression::PatternOptions RegexOptions(const Options& options) {
  QRegularExpression::PatternOptions flags = QRegularExpression::MultilineOption;
  if (!options.matchCase) flags |= QRegularExpression::CaseInsensitiveOption;
  return flags;
}
}  // namespace

Search::Search(std::string_view pattern, const Options& options, Encoding encoding)
    : pattern_(pattern), options_(options), encoding_(encoding) {
  if (!options_.regularExpression) return;
  const QString decoded = codec::Decode(pattern_, encoding_);
  compiled_ =
      std::make_unique<Compiled>(Compiled{QRegularExpression(decoded, RegexOptions(options_)), NamesLineEnd(decoded)});
  if (!compiled_->expression.isValid()) error_ = RegexErrorText(compiled_->expression);
}

Search::~Search() = default;
Search::Search(Search&&) noexcept = default;
Search& Search::operator=(Search&&) noexcept = default;

std::unique_ptr<Scanner> Search::ScannerFor(std::string_view text) const {
  if (pattern_.empty() || !error_.empty()) return nullptr;
  if (compiled_) {
    return std::make_unique<RegexScanner>(text, compiled_->expression, compiled_->crossesLines, encoding_);
  }
  return std::make_unique<ByteScanner>(text, pattern_, options_.matchCase, encoding_);
}

std::size_t Search::CharEnd(std::string_view text, std::size_t at) const {
  return at < text.size() ? at + CharLengthAt(text, at, encoding_) : at + 1;
}

std::optional<Match> Search::Next(Scanner& scanner, std::string_view text, std::size_t from) const {
  while (from <= text.size()) {
    auto match = scanner.Next(from);
    if (!match || !options_.wholeWord || IsWholeWord(text, match->span, encoding_)) return match;
    from = CharEnd(text, match->span.start);
  }
  return std::nullopt;
}

std::optional<Found> Search::FindNext(std::string_view text, Span selection) const {
  const auto scanner = ScannerFor(text);
  if (!scanner) return std::nullopt;
  const std::size_t from = std::min(selection.End(), text.size());
  auto match = Next(*scanner, text, from);
  if (match && match->span == selection) match = Next(*scanner, text, CharEnd(text, from));
  if (match) return Found{std::move(*match), false};
  match = Next(*scanner, text, 0);
  if (match) return Found{std::move(*match), true};
  return std::nullopt;
}

std::optional<Found> Search::FindPrevious(std::string_view text, Span selection) const {
  std::optional<Match> before, last;
  ForEach(text, [&](Match&& match) {
    if (match.span.start < selection.start) before = match;
    last = std::move(match);
  });
  if (before) return Found{std::move(*before), false};
  if (last) return Found{std::move(*last), true};
  return std::nullopt;
}

std::optional<Match> Search::MatchAt(std::string_view text, Span selection) const {
  const auto scanner = ScannerFor(text);
  if (!scanner || selection.End() > text.size()) return std::nullopt;
  auto match = Next(*scanner, text, selection.start);
  if (match && match->span == selection) return match;
  return std::nullopt;
}

std::vector<Match> Search::FindAll(std::string_view text) const {
  std::vector<Match> matches;
  ForEach(text, [&](Match&& match) { matches.push_back(std::move(match)); });
  return matches;
}

bool Search::ForEach(std::string_view text, const std::function<void(Match&&)>& each, const Progress& progress) const {
  const auto scanner = ScannerFor(text);
  if (!scanner) return true;
  std::optional<std::size_t> lastEnd;
  for (std::size_t from = 0; from <= text.size();) {
    if (progress && !progress(from)) return false;
    auto match = Next(*scanner, text, from);
    if (!match) break;
    const Span span = match->span;
    from = span.length > 0 ? span.End() : CharEnd(text, span.start);
    if (span.length == 0 && lastEnd == span.start) continue;
    lastEnd = span.End();
    each(std::move(*match));
  }
  return true;
}

std::string Search::Expand(std::string_view text, const Match& match, std::string_view replacement) const {
  if (!options_.regularExpression) return std::string(replacement);
  std::string out;
  for (std::size_t at = 0; at < replacement.size();) {
    const std::size_t length = CharLengthAt(replacement, at, encoding_);
    const char next = at + 1 < replacement.size() ? replacement[at + 1] : '\0';
    if (length == 1 && replacement[at] == '\\' && (std::isdigit(static_cast<unsigned char>(next)) || next == '\\')) {
      const auto group = static_cast<std::size_t>(next - '0');
      if (next == '\\') {
        out += '\\';
      } else if (group < match.groups.size() && match.groups[group]) {
        out += text.substr(match.groups[group]->start, match.groups[group]->length);
      }
      at += 2;
      continue;
    }
    out += replacement.substr(at, length);
    at += length;
  }
  return out;
}

}  // namespace zumoku::search
