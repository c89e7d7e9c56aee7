#pragma once

#include <QWidget>

#include "desktop/Services.h"
#include "riddles/RiddleCatalog.h"

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

    // Where taught riddles go; without one, nothing is taught. From then on the catalog is
    // the built-in table followed by the store's riddles, kept up to date.
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

signals:
    void myRiddlesRequested();

private:
    void enterPressed();
    void showContextMenu(QLineEdit *field, const QPoint &position);

    Services m_services;
    RiddleCatalog m_catalog = RiddleCatalog::builtIn();
    QLineEdit *m_riddle;
    QLineEdit *m_answer;
    QPushButton *m_ok;
    RiddleStore *m_store = nullptr;
    KnownRiddles *m_known = nullptr;
};
