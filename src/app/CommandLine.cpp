#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace {
// Qt's own options, which the application object takes out of the arguments after this
// parse: known here so that they are not refused, and left out of the help.
const char *const kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const char *const kQtFlags[] = {"reverse", "widgetcount"};

CommandLine usageError(const QString &error)
{
    CommandLine result;
    result.exitStatus = 2;
    result.message = QStringLiteral("kelo: %1\nTry 'kelo --help' for more information.\n").arg(error);
    return result;
}

CommandLine finished(const QString &message)
{
    CommandLine result;
    result.exitStatus = 0;
    result.message = message;
    return result;
}

// One combination of modifiers and one key that is not a modifier itself.
bool isOneCombination(const QKeySequence &keys)
{
    if (keys.count() != 1)
        return false;
    const Qt::Key key = keys[0].key();
    return key != Qt::Key_unknown && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Shift &&
           key != Qt::Key_Meta;
}
} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelo, a companion for the game's players: riddles, hunting board, countdowns, "
                       "reference tables."));
    // Qt reads its own options with one dash (-platform xcb); so does this parser.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would promise Qt's options, which only the
    // application object, made later, can list.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption hotkey(
        QStringLiteral("riddle-hotkey"),
        QStringLiteral("Answer the riddle on the clipboard when <keys> are pressed anywhere on the desktop "
                       "(default: %1; 'none' turns it off).")
            .arg(QLatin1String(kDefaultRiddleHotkey)),
        QStringLiteral("keys"), QLatin1String(kDefaultRiddleHotkey));
    parser.addOption(hotkey);
    for (const char *name : kQtOptionsWithValue) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) // the parser names the program only once an application object exists
        return finished(parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("kelo")));
    if (parser.isSet(version))
        return finished(QStringLiteral("Kelo %1\n").arg(QLatin1String(KELO_VERSION)));

    CommandLine result;
    const QString keys = parser.value(hotkey);
    if (keys.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0) {
        result.riddleHotkey = QKeySequence::fromString(keys, QKeySequence::PortableText);
        if (!isOneCombination(result.riddleHotkey))
            return usageError(QStringLiteral("'%1' is not a key combination such as %2")
                                  .arg(keys, QLatin1String(kDefaultRiddleHotkey)));
    }
    return result;
}
