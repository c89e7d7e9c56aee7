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
    // Reads the clipboard and looks its text up through the riddle bar once it has come.
    // A miss leaves the clipboard holding the player's text and is told only through
    // `notFound`: nothing may take the focus from the game. A press while a read is
    // still waiting is the same press.
    void lookUp();

    // The copied text of the last miss, for the player to teach; empty when it was too long
    // to be a riddle.
    QString missedRiddle() const { return m_missed; }

signals:
    void notFound(const QString &message);

private:
    void answer(const QString &copy);

    Services m_services;
    RiddleBar *m_bar;
    QString m_missed;
    bool m_reading = false;
};
