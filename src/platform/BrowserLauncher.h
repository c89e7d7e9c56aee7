#pragma once

#include <QString>

namespace BrowserLauncher {
// Starts the user's browser with the address as exactly one argument, unchanged.
// Silent when no browser can be started.
void open(const QString &address);
// Hands a mailto: link to the system's handler for mail links. Silent on failure.
void openMail(const QString &address);
}
