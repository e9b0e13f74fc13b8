#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <utility>

namespace zumoku {

namespace {
// Japanese for the few texts of Qt's parser that frame the usage and its
// errors; Qt's own translations may be missing or incomplete.
class ParserInJapanese : public QTranslator {
 public:
  ParserInJapanese() { QCoreApplication::installTranslator(this); }
  ~ParserInJapanese() override { QCoreApplication::removeTranslator(this); }

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    static const std::pair<const char*, const char16_t*> kTexts[] = {
        {"Usage: %1", u"使い方: %1"},
        {"[options]", u"[オプション]"},
        {"Options:", u"オプション:"},
        {"Arguments:", u"引数:"},
        {"Unknown option '%1'.", u"オプション '%1' はありません。"},
        {"Unknown options: %1.", u"オプション %1 はありません。"},
        {"Unexpected value after '%1'.", u"'%1' には値を付けられません。"},
    };
    if (qstrcmp(context, "QCommandLineParser") != 0) return {};
    for (const auto& [english, japanese] : kTexts) {
      if (qstrcmp(source, english) == 0) return QString::fromUtf16(japanese);
    }
    return {};
  }
};

CommandLine Refused(const QString& why, const QCommandLineParser& parser) {
  return {CommandLine::Action::kRefuse, {}, why + QStringLiteral("\n\n") + parser.helpText()};
}
}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  const ParserInJapanese japanese;
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("日本語の LaTeX 原稿（Shift_JIS）を書くためのエディタです。"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("この使い方を表示して終わります。"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("バージョンを表示して終わります。"));
  parser.addOptions({help, version});
  parser.addPositionalArgument(QStringLiteral("ファイル"),
                               QStringLiteral("開く文書。指定しなければ起動画面から始めます。"),
                               QStringLiteral("[ファイル]"));

  if (!parser.parse(arguments)) return Refused(parser.errorText(), parser);
  if (parser.isSet(help)) return {CommandLine::Action::kShowHelp, {}, parser.helpText()};
  if (parser.isSet(version)) {
    return {CommandLine::Action::kShowVersion, {}, QStringLiteral("Zumoku " ZUMOKU_VERSION "\n")};
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return Refused(QStringLiteral("開けるファイルは一つだけです。"), parser);
  return {CommandLine::Action::kRun, files.value(0), {}};
}

}  // namespace zumoku
