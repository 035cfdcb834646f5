#include "program/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace kalvado {

namespace {

constexpr int USAGE_ERROR = 2;

// The options that QGuiApplication and QApplication read themselves (the
// X11 ones included), so that they are neither refused nor undocumented.
void addQtOptions(QCommandLineParser& parser)
{
    const struct {
        const char* name;
        const char* description;
        const char* value;
    } options[] = {
        {"platform", "Qt: the platform plugin to use, with options after a colon (xcb, wayland, offscreen ...).",
         "name[:options]"},
        {"platformpluginpath", "Qt: a folder to search for platform plugins.", "path"},
        {"platformtheme", "Qt: the platform theme to use.", "theme"},
        {"plugin", "Qt: an extra plugin to load, such as an input device driver.", "plugin"},
        {"qwindowgeometry", "Qt: the window's position (the size is fixed), as in +X+Y.", "geometry"},
        {"geometry", "Qt on X11: the same as -qwindowgeometry.", "geometry"},
        {"qwindowicon", "Qt: the window's icon.", "icon"},
        {"qwindowtitle", "Qt: the window's title.", "title"},
        {"reverse", "Qt: lays the window out from right to left.", nullptr},
        {"session", "Qt: restores the given session.", "session"},
        {"display", "Qt on X11: the X display to use.", "display"},
        {"name", "Qt on X11: the instance name (the first part of WM_CLASS).", "name"},
        {"style", "Qt: the widget style.", "style"},
        {"stylesheet", "Qt: a style sheet to apply.", "file"},
        {"widgetcount", "Qt: prints how many widgets were left at exit.", nullptr},
        {"qmljsdebugger", "Qt: the QML debugger's settings.", "settings"},
    };
    for (const auto& o : options) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString::fromUtf8(o.description));
        if (o.value)
            option.setValueName(QString::fromLatin1(o.value));
        parser.addOption(option);
    }
}

} // namespace

CommandLineAnswer AnswerCommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "Kalvado: the two-colour disc-flipping board game against a greedy computer.");
    const QCommandLineOption help({"h", "help"}, "Shows this help and ends.");
    const QCommandLineOption versionOption({"v", "version"}, "Shows the version and ends.");
    parser.addOption(help);
    parser.addOption(versionOption);
    addQtOptions(parser);

    const QString program = "kalvado";
    CommandLineAnswer answer;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QString("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
                                  : parser.errorText();
        answer = {false, USAGE_ERROR, {}, program + ": " + error + "\nTry '" + program + " --help' for more information.\n"};
    } else if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace("<executable_name>", program);
        answer = {false, 0, text, {}};
    } else if (parser.isSet(versionOption)) {
        answer = {false, 0, program + " " + version + "\n", {}};
    }
    answer.styleGiven = parser.isSet("style");
    return answer;
}

} // namespace kalvado
