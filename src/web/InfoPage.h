#pragma once

#include <QWidget>

#include "Services.h"

// The Information page: the credit lines and the instructions with clickable addresses.
class InfoPage : public QWidget {
    Q_OBJECT
public:
    explicit InfoPage(const Services &services, QWidget *parent = nullptr);

    // First step of the main window's creation: fills the instructions view.
    void setUp();

private:
    Services m_services;
};
