#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

#include <optional>

// What Kelo's command line asks for. It is read before the application object exists, so
// that --help, --version and a mistyped option answer even without a display.
struct CommandLine {
    static constexpr char kDefaultRiddleHotkey[] = "Ctrl+Alt+Z";

    // Set when the program is to end at once with this status, printing `message` to
    // standard output for status 0 and to standard error otherwise.
    std::optional<int> exitStatus;
    QString message;
    // The desktop-wide riddle shortcut; empty when the player turned it off.
    QKeySequence riddleHotkey;

    // `arguments` as the program received them, its own name first.
    static CommandLine parse(const QStringList &arguments);
};
