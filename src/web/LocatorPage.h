#pragma once

#include <QWidget>

#include "Services.h"

// The Locator page: the community's locator link, the clan-site list and the player lookup.
class LocatorPage : public QWidget {
    Q_OBJECT
public:
    explicit LocatorPage(const Services &services, QWidget *parent = nullptr);

private:
    Services m_services;
};
