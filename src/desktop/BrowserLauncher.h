#pragma once

#include <QString>

namespace BrowserLauncher {
// Starts the user's browser with the address as exactly one argument, unchanged.
// Silent when no browser can be started; never throws.
void open(const QString &address);
// Hands a mailto: link to the system's handler for mail links. Silent on failure.
void openMail(const QString &address);

// The program path of a registered open command such as `"C:\Web\browser.exe" -- "%1"`:
// what stands between its first and its second double quote. Empty when the command
// holds fewer than two quotes, since then no path can be told apart from its arguments.
QString programFromCommand(const QString &command);

// `argument` written for a Windows command line so that the usual argument parsing of
// the started program gives back exactly `argument` as one argument.
QString quotedWindowsArgument(const QString &argument);
} // namespace BrowserLauncher
