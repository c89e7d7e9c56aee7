#pragma once

#include <QWidget>

#include "desktop/Services.h"

class QLineEdit;
class QPushButton;

// The strip between the pages and the toolbar: riddle field, answer field and the
// OK button that looks the riddle up and copies the answer.
class RiddleBar : public QWidget {
    Q_OBJECT
public:
    RiddleBar(const Services &services, QWidget *parent = nullptr);

    // Riddles are pasted: the riddle field takes the keyboard focus whenever the bar shows.
    void focusRiddle();

    // Puts `riddle` into the riddle field and looks it up as OK does, except that only a
    // found answer reaches the answer field and the clipboard. False when no riddle
    // contains it; the answer field and the clipboard then stay as they were.
    bool answerRiddle(const QString &riddle);

public slots:
    // Looks the riddle field up and copies the answer field to the clipboard.
    void lookUpAnswer();

private:
    void enterPressed();

    Services m_services;
    QLineEdit *m_riddle;
    QLineEdit *m_answer;
    QPushButton *m_ok;
};
