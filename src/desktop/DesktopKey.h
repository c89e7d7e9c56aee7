#pragma once

#include <QKeySequence>
#include <QString>

#include <cstdint>
#include <optional>

// What each desktop calls the key a shortcut ends in. One table for every backend, so that
// a combination the player names means the same key on X11, the desktop portal and Windows.
struct DesktopKey {
    std::uint32_t keysym = 0;     // X11's keysym (a letter's first level, lower case)
    QString keysymName;           // its XKB name, as the desktop portal's triggers spell it
    std::uint32_t virtualKey = 0; // Windows' virtual-key code; 0 where the layout decides it
};

// The key of `keys` when it is one combination of modifiers and a key offered for
// shortcuts; nothing for other keys, keypad keys (their names differ from the main
// block's) and sequences of several combinations.
std::optional<DesktopKey> desktopKeyOf(const QKeySequence &keys);
