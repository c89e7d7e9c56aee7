#pragma once

#include <QWidget>
#include <functional>

#include "Services.h"

class QCheckBox;

// The Timers page: four activity countdowns and the player's own timer.
class TimersPage : public QWidget {
    Q_OBJECT
public:
    // `soundFlag` is the Settings page's sound switch; `callAttention` brings the main
    // window to the player's eyes when a countdown ends.
    TimersPage(const Services &services, QCheckBox *soundFlag, std::function<void()> callAttention,
               QWidget *parent = nullptr);

private:
    Services m_services;
    QCheckBox *m_soundFlag;
    std::function<void()> m_callAttention;
};
