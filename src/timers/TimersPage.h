#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "Services.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTimer;

// The Timers page: four activity countdowns and the player's own timer. The countdowns
// run whatever page is shown and whether the main window is shown or not.
class TimersPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kForestSeconds = 7200;
    static constexpr int kHuntingSeconds = 10800;
    static constexpr int kFishingSeconds = 1800;
    static constexpr int kCaveSeconds = 900;

    // `soundFlag` is the Settings page's sound switch; `callAttention` brings the main
    // window to the player's eyes when a countdown ends.
    TimersPage(const Services &services, QCheckBox *soundFlag, std::function<void()> callAttention,
               QWidget *parent = nullptr);

public slots:
    // Start/Stop of forest, hunting, fishing and cave.
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    // One second of forest, hunting, fishing and cave.
    void TimerLesTimer();
    void TimerOhotaTimer();
    void TimerRybaTimer();
    void TimerPesheraTimer();
    // Start/Stop and one second of the player's own timer.
    void BitBtn8Click();
    void TimerSvoi1Timer();

private:
    struct Activity {
        QLabel *status = nullptr;
        QPushButton *button = nullptr;
        QTimer *timer = nullptr;
        int duration = 0;
        QString message;
        // Ticks since the last start; the run state itself is the button's look.
        int elapsed = 0;
    };

    Activity makeActivity(const char *headingName, const QString &heading, int headingTop,
                          const char *statusName, int statusTop, const char *buttonName,
                          int buttonTop, const char *timerName, int duration, const QString &message);
    void toggle(Activity &activity);
    void step(Activity &activity);
    void setStopLook(QPushButton *button, bool stop);
    static bool inStopLook(const QPushButton *button);
    void cancelFirstRunning();
    void updateEscape();

    Services m_services;
    QPointer<QCheckBox> m_soundFlag;
    std::function<void()> m_callAttention;
    std::array<Activity, 4> m_activities;
    QShortcut *m_escape = nullptr;
    QLineEdit *m_seconds = nullptr;
    QPushButton *m_ownButton = nullptr;
    QTimer *m_ownTimer = nullptr;
};
