#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace MessageBox {
// The program's only way to tell the player something: a modal box captioned with the
// application's title and one OK button. It stays above the always-on-top main window
// and returns when the player closes it.
void show(QWidget *parent, const QString &text);

// Tests hear the messages: while a listener is set, it has each one first, and the box
// shows only where it answers false. Returns the listener it replaces.
using Listener = std::function<bool(QWidget *parent, const QString &text)>;
Listener setListener(Listener listener);
} // namespace MessageBox
