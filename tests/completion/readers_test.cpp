#include <gtest/gtest.h>

#include "completion/bib_reader.h"
#include "completion/definitions.h"
#include "completion/labels.h"

namespace zumoku::completion {
namespace {

TEST(Definitions, CommandsAndEnvironmentsWithTheirArguments) {
  const struct {
    const char* name;
    std::string text;
    std::vector<Defined> commands;
    std::vector<Defined> environments;
  } rows[] = {
      {"Braced", "\\newcommand{\\vect}[1]{\\mathbf{#1}}", {{"vect", "{}"}}, {}},
      {"BareAndStarred", "\\newcommand*\\R{\\mathbb{R}}", {{"R", ""}}, {}},
      {"OptionalFirst", "\\renewcommand{\\x}[2][a]{}", {{"x", "[]{}"}}, {}},
      {"Robust", "\\DeclareRobustCommand{\\y}[3]{}", {{"y", "{}{}{}"}}, {}},
      {"Provide", "\\providecommand{\\z}{}", {{"z", ""}}, {}},
      {"Xparse", "\\NewDocumentCommand{\\pair}{ o m m }{}", {{"pair", "{}{}"}}, {}},
      {"XparseBare", "\\NewDocumentCommand\\one{m}{}", {{"one", "{}"}}, {}},
      {"Def", "\\def\\foo#1{x}\\gdef \\bar{y}", {{"foo", ""}, {"bar", ""}}, {}},
      {"InternalNamesLeftOut", "\\def\\foo@bar{}\\newcommand{\\@x}{}", {}, {}},
      {"CommentedOut", "% \\newcommand{\\no}{}\n\\newcommand{\\yes}{}", {{"yes", ""}}, {}},
      {"MathOperator",
       "\\DeclareMathOperator{\\rank}{rank}\\DeclareMathOperator*{\\argmax}{arg\\,max}",
       {{"rank", ""}, {"argmax", ""}},
       {}},
      {"Environment", "\\newenvironment{boxed}[1]{}{}", {}, {{"boxed", "{}"}}},
      {"XparseEnvironment", "\\NewDocumentEnvironment{note}{m}{}{}", {}, {{"note", "{}"}}},
      {"Theorem", "\\newtheorem{thm}{定理}", {}, {{"thm", ""}}},
      {"UnclosedNameIsSkipped", "\\newenvironment{broken", {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Definitions found = ScanDefinitions(row.text);
    EXPECT_EQ(found.commands, row.commands);
    EXPECT_EQ(found.environments, row.environments);
  }
}

TEST(Definitions, FilesTheSourceNames) {
  const Definitions found = ScanDefinitions(
      "\\documentclass[a4paper]{jsarticle}\n\\usepackage[dvipdfmx]{graphicx, amsmath}\n\\RequirePackage{xcolor}\n"
      "\\bibliography{refs,more.bib}\\addbibresource{extra.bib}");
  EXPECT_EQ(found.classes, std::vector<std::string>{"jsarticle"});
  EXPECT_EQ(found.packages, (std::vector<std::string>{"graphicx", "amsmath", "xcolor"}));
  EXPECT_EQ(found.bibFiles, (std::vector<std::string>{"refs", "more", "extra"}));
}

TEST(Definitions, ALongLineIsReadThrough) {
  const std::string text = std::string(10 << 20, '{') + "\\newcommand{\\late}{}";
  EXPECT_EQ(ScanDefinitions(text).commands, (std::vector<Defined>{{"late", ""}}));
}

TEST(Labels, EachWithTheTextItLabels) {
  const std::string text =
      "\\section{はじめに}\\label{sec:intro}\n"                            // 1: the head on its line
      "\\subsection*{背景}\n\\label{sec:bg}\n"                             // 2-3: the head on the line before
      "text\n\n\\label{eq:x} a = b\n"                                      // 4-6: its own line
      "\\begin{figure}\\label{fig:none}\n"                                 // 7: no caption yet, its own line
      "\\caption[短]{実験の{\\bf 結果}}\n\\label{fig:r}\n\\end{figure}\n"  // 8-10
      "\\label{after} after\n"                                             // 11: the caption stays in its float
      "% \\label{commented}\n";
  const std::vector<Label> expected = {
      {"sec:intro", "はじめに", 1},       {"sec:bg", "背景", 3},
      {"eq:x", "\\label{eq:x} a = b", 6}, {"fig:none", "\\begin{figure}\\label{fig:none}", 7},
      {"fig:r", "実験の{\\bf 結果}", 9},  {"after", "\\label{after} after", 11},
  };
  EXPECT_EQ(ScanLabels(text), expected);
}

TEST(Bib, EntriesFromEachSyntax) {
  const struct {
    const char* name;
    std::string text;
    std::vector<BibEntry> expected;
  } rows[] = {
      {"Braces",
       "@article{knuth84, author = {Donald E. Knuth}, title = {Literate {P}rogramming}, year = 1984}",
       {{"knuth84", "Donald E. Knuth", "1984", "Literate Programming"}}},
      {"QuotesAndParentheses",
       "@Book(lamport, TITLE = \"A {\"}quoted{\"} title\", Year = \"1994\")",
       {{"lamport", "", "1994", "A \"quoted\" title"}}},
      {"StringsAndJoin",
       "@string{ ipsj = \"情報処理\" }\n@inproceedings{k, booktitle = x, title = ipsj # { 論文}, author = {山田 太郎}}",
       {{"k", "山田 太郎", "", "情報処理 論文"}}},
      {"CommentsSkipped",
       "% @article{no, title={x}}\n@comment{@article{hidden, title={x}}}\n@article{yes,\n  % note = {x},\n title={y}}",
       {{"yes", "", "", "y"}}},
      {"BrokenEntryAloneIsSkipped",
       "@article{a, title = {unclosed\n@article{b, title={B}}\n@article{c title={C}}\n@article{d, title={D}}",
       {{"b", "", "", "B"}, {"d", "", "", "D"}}},
      {"EditorStandsForAuthor", "@book{e, editor={Ed}, author={Au}}", {{"e", "Au", "", ""}}},
      {"NoEntries", "just text @ here", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReadBib(row.text), row.expected);
  }
}

}  // namespace
}  // namespace zumoku::completion
