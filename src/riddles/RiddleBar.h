#pragma once

#include <QWidget>

#include "desktop/Services.h"
#include "riddles/RiddleCatalog.h"

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

    // The riddles both lookups search; the built-in table until another is set.
    void setCatalog(const RiddleCatalog &catalog);

    // Puts a riddle copied from a page into the riddle field (trimmed, line breaks as
    // spaces) and looks it up by the catalog's tolerant rule. Only a found answer reaches
    // the answer field and the clipboard; false when none is found, and the answer field
    // and the clipboard then stay as they were.
    bool answerCopiedRiddle(const QString &copy);

public slots:
    // Looks the riddle field up and copies the answer field to the clipboard.
    void lookUpAnswer();

private:
    void enterPressed();

    Services m_services;
    RiddleCatalog m_catalog = RiddleCatalog::builtIn();
    QLineEdit *m_riddle;
    QLineEdit *m_answer;
    QPushButton *m_ok;
};
