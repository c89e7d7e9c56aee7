#pragma once

#include <QWidget>

#include "desktop/Services.h"

class QLineEdit;
class QMenu;
class KnownRiddles;
class QPushButton;
class RiddleStore;

// The strip between the pages and the toolbar: riddle field, answer field and the
// OK button that looks the riddle up and copies the answer.
class RiddleBar : public QWidget {
    Q_OBJECT
public:
    // `known` is what OK looks the riddle field up in; the bar keeps no copy of it.
    RiddleBar(const Services &services, const KnownRiddles *known, QWidget *parent = nullptr);

    // Riddles are pasted: the riddle field takes the keyboard focus whenever the bar shows.
    void focusRiddle();

    // Where taught riddles go; without one, nothing is taught.
    void setStore(RiddleStore *store);
    // A riddle the player is about to teach: it fills the riddle field, and the answer
    // field takes the focus with its text selected, ready for the answer.
    void prepareToTeach(const QString &riddle);
    // The field's standard edit menu with "Запомнить ответ" and "Мои загадки…" added.
    QMenu *contextMenuFor(QLineEdit *field);

public slots:
    // Looks the riddle field up and copies the answer field to the clipboard.
    void lookUpAnswer();
    // Keeps the riddle field's text with the answer field's in the player's riddles;
    // nothing while either is empty. Where the file cannot be written the player is told,
    // and the riddle is known until Kelo ends.
    void rememberAnswer();
    // What the shortcut's answerer found for a riddle copied from a page: the copy goes into
    // the riddle field on one line, trimmed, and the answer into the answer field. A miss
    // shows the copy alone; the answer field keeps what it held.
    void showAnswered(const QString &copy, const QString &answer);
    void showMissed(const QString &copy);

signals:
    void myRiddlesRequested();

private:
    void enterPressed();
    void showContextMenu(QLineEdit *field, const QPoint &position);
    void showCopy(const QString &copy);

    Services m_services;
    const KnownRiddles *m_known;
    QLineEdit *m_riddle;
    QLineEdit *m_answer;
    QPushButton *m_ok;
    RiddleStore *m_store = nullptr;
};
