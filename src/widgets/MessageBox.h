#pragma once

#include <QString>

class QWidget;

namespace MessageBox {
// The program's only way to tell the player something: a modal box captioned with the
// application's title and one OK button. It stays above the always-on-top main window
// and returns when the player closes it.
void show(QWidget *parent, const QString &text);
} // namespace MessageBox
