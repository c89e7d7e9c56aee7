#include "desktop/BrowserLauncher.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

#include <vector>
#else
#include <QProcess>
#endif

QString BrowserLauncher::programFromCommand(const QString &command)
{
    const qsizetype opening = command.indexOf(QLatin1Char('"'));
    if (opening < 0)
        return {};
    const qsizetype closing = command.indexOf(QLatin1Char('"'), opening + 1);
    if (closing < 0)
        return {};
    return command.mid(opening + 1, closing - opening - 1);
}

QString BrowserLauncher::quotedWindowsArgument(const QString &argument)
{
    // Backslashes are literal except in front of a quote: there they come in pairs,
    // and an odd one makes the quote part of the argument.
    QString quoted(QLatin1Char('"'));
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted += QString(2 * backslashes + 1, QLatin1Char('\\'));
        else
            quoted += QString(backslashes, QLatin1Char('\\'));
        quoted += c;
        backslashes = 0;
    }
    // The closing quote must not be escaped by backslashes the argument ends with.
    quoted += QString(2 * backslashes, QLatin1Char('\\'));
    quoted += QLatin1Char('"');
    return quoted;
}

namespace {
#ifdef Q_OS_WIN
const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

// The default value of `path` under `root`, taken as stored (an expandable value is not
// expanded) up to its first zero; empty when it is missing, unreadable or of another type.
QString registryDefault(HKEY root, const wchar_t *path)
{
    HKEY key = nullptr;
    // Reading is all this needs, and all an ordinary user may do with this key.
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    QString command;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = DWORD(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(buffer.data()), &got) ==
                ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            command = QString::fromWCharArray(buffer.data(), qsizetype(got / sizeof(wchar_t)));
            const qsizetype zero = command.indexOf(QChar(0));
            if (zero >= 0)
                command.truncate(zero);
        }
    }
    RegCloseKey(key);
    return command;
}

// The command registered for htmlfile. HKEY_CLASSES_ROOT shows the user's own classes
// before the machine's; Wine's does not, so the user's are asked first.
QString registeredHtmlCommand()
{
    const QString own =
        registryDefault(HKEY_CURRENT_USER, L"Software\\Classes\\htmlfile\\shell\\open\\command");
    return !own.isEmpty() ? own : registryDefault(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command");
}

void openInBrowser(const QString &address)
{
    const QString program = BrowserLauncher::programFromCommand(registeredHtmlCommand());
    if (program.isEmpty())
        return;
    const QString parameters = BrowserLauncher::quotedWindowsArgument(address);
    ShellExecuteW(nullptr, L"open", wide(program), wide(parameters), nullptr, SW_SHOW);
}

void openMailLink(const QString &address)
{
    ShellExecuteW(nullptr, L"open", wide(address), nullptr, nullptr, SW_SHOWNORMAL);
}
#else
// Starts the desktop's handler for the address, detached, as one untouched argument.
// Its chatter and failures stay out of the program's output.
void openWithDesktopHandler(const QString &address)
{
    QProcess handler;
    handler.setProgram(QStringLiteral("xdg-open"));
    handler.setArguments({address});
    handler.setStandardInputFile(QProcess::nullDevice());
    handler.setStandardOutputFile(QProcess::nullDevice());
    handler.setStandardErrorFile(QProcess::nullDevice());
    handler.startDetached();
}

void openInBrowser(const QString &address)
{
    openWithDesktopHandler(address);
}

void openMailLink(const QString &address)
{
    openWithDesktopHandler(address);
}
#endif
} // namespace

void BrowserLauncher::open(const QString &address)
{
    try {
        openInBrowser(address);
    } catch (...) {
        // A link that cannot be opened is dropped; it must never take the program down.
    }
}

void BrowserLauncher::openMail(const QString &address)
{
    try {
        openMailLink(address);
    } catch (...) {
    }
}
