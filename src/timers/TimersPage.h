#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "desktop/Services.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTimer;
class Settings;

// The Timers page: four activity countdowns and the player's own timer. The countdowns
// run whatever page is shown and whether the main window is shown or not.
class TimersPage : public QWidget {
    Q_OBJECT
public:
    enum Activity { Forest, Hunting, Fishing, Cave };
    Q_ENUM(Activity)

    static constexpr int kForestSeconds = 7200;
    static constexpr int kHuntingSeconds = 10800;
    static constexpr int kFishingSeconds = 1800;
    static constexpr int kCaveSeconds = 900;

    // The sound switch of `settings` is read when a countdown ends.
    TimersPage(const Services &services, const Settings *settings, QWidget *parent = nullptr);

public slots:
    // Start/Stop of an activity's countdown.
    void toggle(TimersPage::Activity activity);
    // One second of an activity's countdown.
    void tick(TimersPage::Activity activity);
    // Start/Stop and one second of the player's own timer.
    void toggleOwnTimer();
    void tickOwnTimer();

signals:
    // A countdown ended and its message follows at once: the main window should be seen.
    void activityEnded();
    void ownTimerEnded();

private:
    struct ActivityCountdown {
        QLabel *status = nullptr;
        QPushButton *button = nullptr;
        QTimer *timer = nullptr;
        int duration = 0;
        QString message;
        // Ticks since the last start.
        int elapsed = 0;
        // Started and not yet stopped by the player: the button shows "Стоп", also after
        // the end, when the timer has stopped on its own.
        bool running = false;
    };

    void makeCountdown(Activity activity, const char *headingName, const QString &heading, int headingTop,
                       const char *statusName, int statusTop, const char *buttonName, int buttonTop,
                       const char *timerName, int duration, const QString &message);
    void setRunning(ActivityCountdown &countdown, bool running);
    void stopFirstRunning();

    Services m_services;
    const Settings *m_settings;
    std::array<ActivityCountdown, 4> m_countdowns;
    QShortcut *m_escape = nullptr;
    QLineEdit *m_seconds = nullptr;
    QPushButton *m_ownButton = nullptr;
    QTimer *m_ownTimer = nullptr;
};
