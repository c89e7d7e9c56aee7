#pragma once

#include <QWidget>

#include "desktop/Services.h"

class ClanComboBox;
class QLineEdit;

// The Locator page: the community's locator link, the clan-site list and the player lookup.
class LocatorPage : public QWidget {
    Q_OBJECT
public:
    explicit LocatorPage(const Services &services, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Go: the chosen clan's site, its address exactly as stored.
    void goToChosenClan();
    // Search: the game's page about the player named in the nickname field, exactly as typed.
    void lookUpPlayer();

    Services m_services;
    ClanComboBox *m_clans;
    QLineEdit *m_nickname;
};
