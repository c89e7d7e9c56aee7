#pragma once

#include <QWidget>

#include "Services.h"

class ClanComboBox;
class QKeyEvent;
class QLineEdit;

// The Locator page: the community's locator link, the clan-site list and the player lookup.
class LocatorPage : public QWidget {
    Q_OBJECT
public:
    explicit LocatorPage(const Services &services, QWidget *parent = nullptr);

public slots:
    // The community's clan-site locator.
    void Label11Click();
    // Go: the selected clan's site, its address exactly as stored.
    void BitBtn6Click();
    // Search: the game's page about the player named in Edit_info, exactly as typed.
    void BitBtn7Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Enter acts as Go in the clan list and as Search in the nickname field, and goes
    // no further. Both return whether they used the key.
    bool Clans_ComboBoxKeyPress(const QKeyEvent *event);
    bool Edit_infoKeyPress(const QKeyEvent *event);

    Services m_services;
    ClanComboBox *m_clans;
    QLineEdit *m_nickname;
};
