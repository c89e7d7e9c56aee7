#pragma once

#include <QObject>

#include "platform/Services.h"

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

    // The copied text of the last miss, for the player to teach; empty when it was too long
    // to be a riddle.
    QString missedRiddle() const { return m_missed; }

signals:
    void notFound(const QString &message);

private:
    Services m_services;
    RiddleBar *m_bar;
    QString m_missed;
};
