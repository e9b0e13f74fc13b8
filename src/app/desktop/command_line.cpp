#include "app/desktop/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <utility>

namespace zumoku {

namespace {
// Japanese for the few texts of Qt's parser that frame its errors; Qt's own
// translations may be missing or incomplete.
class ParserInJapanese : public QTranslator {
 public:
  ParserInJapanese() { QCoreApplication::installTranslator(this); }
  ~ParserInJapanese() override { QCoreApplication::removeTranslator(this); }

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    static const std::pair<const char*, const char16_t*> kTexts[] = {
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

// The characters a terminal gives two columns: East Asian wide and full-width.
constexpr std::pair<char32_t, char32_t> kWideRanges[] = {
    {0x1100, 0x115f}, {0x2329, 0x232a}, {0x2e80, 0x303e}, {0x3040, 0xa4cf}, {0xac00, 0xd7a3},   {0xf900, 0xfaff},
    {0xfe10, 0xfe19}, {0xfe30, 0xfe6f}, {0xff00, 0xff60}, {0xffe0, 0xffe6}, {0x20000, 0x3fffd},
};

int DisplayWidth(const QString& text) {
  int width = 0;
  for (const char32_t c : text.toUcs4()) {
    const bool wide =
        std::ranges::any_of(kWideRanges, [c](auto range) { return c >= range.first && c <= range.second; });
    width += wide ? 2 : 1;
  }
  return width;
}

struct HelpRow {
  QString names;
  QString description;
};

QString OptionNames(const QCommandLineOption& option) {
  QStringList names;
  for (const QString& name : option.names()) {
    names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  }
  return names.join(QStringLiteral(", "));
}

// The usage. Qt's parser pads its columns by UTF-16 code units, which puts
// the description of a Japanese name out of line on a terminal.
QString HelpText(const QString& program, const QList<QCommandLineOption>& options, const HelpRow& file) {
  QList<HelpRow> optionRows;
  for (const QCommandLineOption& option : options) optionRows.append({OptionNames(option), option.description()});
  int width = DisplayWidth(file.names);
  for (const HelpRow& row : optionRows) width = std::max(width, DisplayWidth(row.names));
  const auto columns = [width](const QList<HelpRow>& rows) {
    QString text;
    for (const HelpRow& row : rows) {
      const QString gap(width - DisplayWidth(row.names) + 2, u' ');
      text += QStringLiteral("  ") + row.names + gap + row.description + u'\n';
    }
    return text;
  };
  return QStringLiteral("使い方: ") + program + QStringLiteral(" [オプション] [ファイル]\n") +
         QStringLiteral("日本語の LaTeX 原稿（Shift_JIS）を書くためのエディタです。\n\nオプション:\n") +
         columns(optionRows) + QStringLiteral("\n引数:\n") + columns({file});
}

// Qt's own options, which the toolkit takes when the window system starts;
// the program passes them over. Those after "=" take a value.
constexpr const char* kToolkitOptions[] = {
    "platform=",        "platformpluginpath=",
    "platformtheme=",   "plugin=",
    "qwindowgeometry=", "qwindowicon=",
    "qwindowtitle=",    "qmljsdebugger=",
    "session=",         "display=",
    "geometry=",        "style=",
    "stylesheet=",      "reverse",
    "widgetcount",
};

void PassOverToolkitOptions(QCommandLineParser& parser) {
  for (const QString option : kToolkitOptions) {
    const bool takesValue = option.endsWith(u'=');
    QCommandLineOption known(takesValue ? option.chopped(1) : option);
    if (takesValue) known.setValueName(QStringLiteral("value"));
    known.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(known);
  }
}

CommandLine Refused(const QString& why, const QString& usage) {
  return {CommandLine::Action::kRefuse, {}, why + QStringLiteral("\n\n") + usage};
}
}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  const ParserInJapanese japanese;
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("この使い方を表示して終わります。"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("バージョンを表示して終わります。"));
  parser.addOptions({help, version});
  // Qt's options are single words after one dash ("-style fusion").
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  PassOverToolkitOptions(parser);
  const QString usage =
      HelpText(arguments.value(0), {help, version},
               {QStringLiteral("ファイル"), QStringLiteral("開く文書。指定しなければ起動画面から始めます。")});

  if (!parser.parse(arguments)) return Refused(parser.errorText(), usage);
  if (parser.isSet(help)) return {CommandLine::Action::kShowHelp, {}, usage};
  if (parser.isSet(version)) {
    return {CommandLine::Action::kShowVersion, {}, QStringLiteral("Zumoku " ZUMOKU_VERSION "\n")};
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return Refused(QStringLiteral("開けるファイルは一つだけです。"), usage);
  return {CommandLine::Action::kRun, files.value(0), {}};
}

}  // namespace zumoku
