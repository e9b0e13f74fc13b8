#include "app/desktop/command_line.h"

#include <gtest/gtest.h>

#include "row_name.h"

namespace zumoku::test {

using Action = CommandLine::Action;

struct CommandLineRow {
  const char* name;
  QStringList arguments;
  Action action;
  QString file;
};

class ReadingTheCommandLine : public ::testing::TestWithParam<CommandLineRow> {};

TEST_P(ReadingTheCommandLine, GivesTheActionAndTheFile) {
  const CommandLine line = ReadCommandLine(GetParam().arguments);
  EXPECT_EQ(line.action, GetParam().action);
  EXPECT_EQ(line.file, GetParam().file);
}

const QString kProgram = QStringLiteral("zumoku");

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadingTheCommandLine,
    ::testing::Values(
        CommandLineRow{"Nothing", {kProgram}, Action::kRun, {}},
        CommandLineRow{"AFile", {kProgram, QStringLiteral("論文.tex")}, Action::kRun, QStringLiteral("論文.tex")},
        CommandLineRow{"AFileNamedLikeAnOption",
                       {kProgram, QStringLiteral("--"), QStringLiteral("-a.tex")},
                       Action::kRun,
                       QStringLiteral("-a.tex")},
        CommandLineRow{"Version", {kProgram, QStringLiteral("--version")}, Action::kShowVersion, {}},
        CommandLineRow{"ShortHelp", {kProgram, QStringLiteral("-h")}, Action::kShowHelp, {}},
        CommandLineRow{"ToolkitOptionsPassedOver",
                       {kProgram, QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse"),
                        QStringLiteral("論文.tex")},
                       Action::kRun,
                       QStringLiteral("論文.tex")},
        CommandLineRow{"UnknownOption", {kProgram, QStringLiteral("--new")}, Action::kRefuse, {}},
        CommandLineRow{"TwoFiles", {kProgram, QStringLiteral("a.tex"), QStringLiteral("b.tex")}, Action::kRefuse, {}}),
    RowName());

// Qt's parser frames the usage; every word of that frame must be Japanese too.
TEST(CommandLineUsage, IsJapaneseThroughout) {
  const QString help = ReadCommandLine({kProgram, QStringLiteral("--help")}).message;
  EXPECT_TRUE(help.startsWith(QStringLiteral("使い方: "))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral(" [オプション] [ファイル]\n"))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral("\nオプション:\n"))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral("\n引数:\n"))) << help.toStdString();

  const QString refused = ReadCommandLine({kProgram, QStringLiteral("--new")}).message;
  EXPECT_TRUE(refused.startsWith(QStringLiteral("オプション 'new' はありません。\n\n使い方: ")))
      << refused.toStdString();
}

// On a terminal a Japanese character takes two columns: every description
// starts in the same column all the same.
TEST(CommandLineUsage, DescriptionsLineUpOnATerminal) {
  std::vector<qsizetype> columns;
  for (const QString& line : ReadCommandLine({kProgram, QStringLiteral("--help")}).message.split(u'\n')) {
    if (!line.startsWith(QStringLiteral("  "))) continue;
    qsizetype start = line.indexOf(QStringLiteral("  "), 2);
    while (line.at(start) == u' ') ++start;
    const qsizetype wide = std::ranges::count_if(line.first(start), [](QChar c) { return c.unicode() > 0x7f; });
    columns.push_back(start + wide);
  }
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns, std::vector<qsizetype>(3, columns.front()));
}

}  // namespace zumoku::test
