#include "CommandLine.h"

#include "platform/ProgramFacts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>

namespace {

struct ToolkitOption {
    const char* name;
    bool takesValue;
};

// What QGuiApplication, QApplication and Qt's X11 platform read from a command line. Session
// managers restore the game with -session, and a player may choose a platform or a display.
constexpr std::array<ToolkitOption, 22> ToolkitOptions{{
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowtitle", true},    {"title", true},
    {"qwindowicon", true},     {"icon", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"reverse", false},
    {"widgetcount", false},    {"testability", false},
    {"nograb", false},         {"dograb", false},
}};

const ToolkitOption* toolkitOption(const QString& name)
{
    const auto found = std::find_if(ToolkitOptions.begin(), ToolkitOptions.end(),
                                    [&name](const ToolkitOption& o) { return name == o.name; });
    return found == ToolkitOptions.end() ? nullptr : found;
}

void addToolkitOptions(QCommandLineParser& parser)
{
    for (const ToolkitOption& option : ToolkitOptions) {
        QCommandLineOption declared(QString::fromLatin1(option.name), QString(),
                                    option.takesValue ? QStringLiteral("value") : QString());
        declared.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(declared);
    }
}

// Spelled as Qt reads every one of them, so that "--platform=xcb" means to Qt what it means to
// the parser; each option takes its values in the order they came.
QStringList toolkitOptionsOf(const QCommandLineParser& parser)
{
    QStringList options;
    QHash<QString, qsizetype> valuesTaken;
    for (const QString& name : parser.optionNames()) {
        const ToolkitOption* option = toolkitOption(name);
        if (!option)
            continue;
        options.append(QLatin1Char('-') + name);
        if (option->takesValue)
            options.append(parser.values(name).value(valuesTaken[name]++));
    }
    return options;
}

}  // namespace

void addHelpAndVersion(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QString()});
}

StartRequest helpOrVersion(const QCommandLineParser& parser)
{
    for (const QString& name : parser.optionNames()) {
        if (name == QLatin1String("h") || name == QLatin1String("help"))
            return StartRequest::Help;
        if (name == QLatin1String("v") || name == QLatin1String("version"))
            return StartRequest::Version;
    }
    return StartRequest::Play;
}

QString parseArguments(QCommandLineParser& parser, const QStringList& arguments)
{
    if (parser.parse(arguments))
        return {};
    const QString refusal = parser.errorText();
    if (parser.unknownOptionNames().isEmpty())
        return refusal;
    // The parser names an unknown option without its dashes. The shortest run of arguments in
    // which it finds one ends with that option as it was typed.
    for (qsizetype count = 2; count <= arguments.size(); ++count) {
        parser.parse(arguments.first(count));
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString typed = arguments.at(count - 1).section(QLatin1Char('='), 0, 0);
            return QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(typed);
        }
    }
    return refusal;
}

GameCommandLine readGameCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHelpAndVersion(parser);
    addToolkitOptions(parser);
    const QCommandLineOption install(QStringLiteral("install-skin"), QString(),
                                     QStringLiteral("FILE|FOLDER"));
    parser.addOption(install);
    GameCommandLine line;
    line.refusal = parseArguments(parser, arguments);
    if (!line.refusal.isEmpty()) {
        line.request = StartRequest::Refused;
        return line;
    }
    line.request = helpOrVersion(parser);
    line.skinSource = parser.value(install);
    if (line.request == StartRequest::Play && parser.isSet(install))
        line.request = StartRequest::InstallSkin;
    line.toolkitOptions = toolkitOptionsOf(parser);
    line.platform = parser.value(QStringLiteral("platform"));
    line.display = parser.value(QStringLiteral("display"));
    return line;
}

QStringList argumentsOf(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString versionText()
{
    constexpr ProgramVersion version = ProgramFacts::version();
    return QStringLiteral("%1.%2.%3\n").arg(version.major).arg(version.minor).arg(version.revision);
}
