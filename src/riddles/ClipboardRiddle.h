#pragma once

#include <QObject>

#include "desktop/Services.h"

class RiddleBar;

// What the desktop-wide riddle shortcut does: the riddle is whatever the player copied in
// the game, and the answer replaces it on the clipboard, ready to be pasted back.
class ClipboardRiddle : public QObject {
    Q_OBJECT
public:
    ClipboardRiddle(const Services &services, RiddleBar *bar, QObject *parent = nullptr);

public slots:
    // Looks the clipboard's text up through the riddle bar. A miss leaves the clipboard
    // holding the player's text and is told only through `notFound`: nothing may take
    // the focus from the game.
    void lookUp();

signals:
    void notFound(const QString &message);

private:
    Services m_services;
    RiddleBar *m_bar;
};
