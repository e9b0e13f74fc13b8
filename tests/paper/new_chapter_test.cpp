#include "paper/new_chapter.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace zumoku::paper {
namespace {

constexpr TextFormat kSjisCrLf{};
constexpr TextFormat kUtf8Lf{.encoding = Encoding::kUtf8, .lineEnds = LineEndStyle::kLf};

// The root is /p/main.tex; /p/sub is a folder and /p/chap1.tex a file.
TEST(NewChapter, NamesAcceptedOrRefused) {
  const struct {
    std::string typed;  // UTF-8
    TextFormat format;
    std::string path;   // empty: refused
    std::string input;  // or a part of the refusal
    std::string bytes = {};
  } rows[] = {
      {"chap3", kSjisCrLf, "/p/chap3.tex", "\\input{chap3}", "% !TEX root = main.tex\r\n"},
      {"sub/chap3.tex", kSjisCrLf, "/p/sub/chap3.tex", "\\input{sub/chap3}", "% !TEX root = ../main.tex\r\n"},
      {"\xe7\xac\xac"
       "3\xe7\xab\xa0",
       kSjisCrLf,
       "/p/\xe7\xac\xac"
       "3\xe7\xab\xa0.tex",
       "\\input{\x91\xe6"
       "3\x8f\xcd}",
       "% !TEX root = main.tex\r\n"},
      {"chap3", kUtf8Lf, "/p/chap3.tex", "\\input{chap3}", "% !TEX root = main.tex\n% !TEX encoding = UTF-8\n"},
      {"", kSjisCrLf, "", "入力してください"},
      {"/tmp/chap3", kSjisCrLf, "", "絶対パス"},
      {"../chap3", kSjisCrLf, "", "「..」"},
      {"sub/../../chap3", kSjisCrLf, "", "「..」"},
      {"sub/", kSjisCrLf, "", "ファイル名になりません"},
      {"chap 3", kSjisCrLf, "", "使えない文字 「 」"},
      {"chap}3", kSjisCrLf, "", "使えない文字 「}」"},
      {"chap1", kSjisCrLf, "", "「chap1.tex」 は既にあります"},
      {"none/chap3", kSjisCrLf, "", "フォルダー 「none」 がありません"},
      {"\xea\xb0\x80", kSjisCrLf, "", "Shift_JIS で表せない文字"},  // a Hangul syllable
  };
  for (const auto& row : rows) {
    test::MemoryFiles files;
    files.files = {{"/p/main.tex", ""}, {"/p/chap1.tex", ""}};
    files.folders = {"/p", "/p/sub"};
    const auto planned = PlanNewChapter(files, "/p/main.tex", row.typed, row.format);
    if (row.path.empty()) {
      const auto* refusal = std::get_if<std::string>(&planned);
      ASSERT_NE(refusal, nullptr) << row.typed;
      EXPECT_NE(refusal->find(row.input), std::string::npos) << row.typed << ": " << *refusal;
    } else {
      const auto* chapter = std::get_if<NewChapter>(&planned);
      ASSERT_NE(chapter, nullptr) << row.typed << ": " << std::get<std::string>(planned);
      EXPECT_EQ(chapter->path, row.path);
      EXPECT_EQ(chapter->input, row.input);
      EXPECT_EQ(chapter->bytes, row.bytes);
    }
  }
}

}  // namespace
}  // namespace zumoku::paper
