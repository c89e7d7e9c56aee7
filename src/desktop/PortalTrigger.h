#pragma once

#include <QKeySequence>
#include <QString>

// The trigger the desktop portal is asked to prefer for a shortcut, in the notation that
// desktops share: modifiers among CTRL, ALT, SHIFT and LOGO, then the key's XKB keysym name,
// joined by '+' (Ctrl+Alt+Z is "CTRL+ALT+z", Ctrl+Shift+F12 "CTRL+SHIFT+F12").
// Empty when `keys` is not one combination whose key has a name there; the desktop then
// lets the player choose the keys.
QString portalTrigger(const QKeySequence &keys);
