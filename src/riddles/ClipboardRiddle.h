#pragma once

#include <QObject>

#include "desktop/Services.h"

class RiddleAnswerer;

// What the desktop-wide riddle shortcut does: the riddle is whatever the player copied in
// the game, and the answer replaces it on the clipboard, ready to be pasted back.
class ClipboardRiddle : public QObject {
    Q_OBJECT
public:
    ClipboardRiddle(const Services &services, RiddleAnswerer *answerer, QObject *parent = nullptr);

public slots:
    // Reads the clipboard and hands its text to the answerer once it has come. A miss
    // leaves the clipboard holding the player's text and is told only through `notFound`:
    // nothing may take the focus from the game. A press while a read is still waiting is
    // the same press.
    void lookUp();

    // The copied text of the last miss, for the player to teach; empty when it was too long
    // to be a riddle.
    QString missedRiddle() const { return m_missed; }

signals:
    void notFound(const QString &message);

private:
    Services m_services;
    RiddleAnswerer *m_answerer;
    QString m_missed;
    bool m_reading = false;
};
