#pragma once

#include <QWidget>

#include "Services.h"

class QLineEdit;
class QPushButton;

// The strip between the pages and the toolbar: riddle field, answer field and the
// OK button that looks the riddle up and copies the answer.
class RiddleBar : public QWidget {
    Q_OBJECT
public:
    RiddleBar(const Services &services, QWidget *parent = nullptr);

    QLineEdit *riddleField() const { return m_riddle; }
    QLineEdit *answerField() const { return m_answer; }

    // Puts `riddle` into the riddle field and looks it up as OK does, except that only a
    // found answer reaches the answer field and the clipboard. False when no riddle
    // contains it; the answer field and the clipboard then stay as they were.
    bool answerRiddle(const QString &riddle);

public slots:
    void BitBtn1Click();

private:
    void enterPressed();

    Services m_services;
    QLineEdit *m_riddle;
    QLineEdit *m_answer;
    QPushButton *m_ok;
};
