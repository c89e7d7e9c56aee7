#pragma once

#include <QUrl>
#include <QWidget>

class CounterView;
class QTimer;
class HttpGet;

// The two visit counters, stacked as the Settings page shows them at its foot, and the
// request sent at start. A failure of either switches the counters off for the rest of the run.
class VisitCounters : public QWidget {
    Q_OBJECT
public:
    static constexpr int kViewWidth = 161;
    static constexpr int kViewHeight = 55;
    static constexpr int kRefreshMilliseconds = 5000;
    static constexpr int kFirstLoadDelayMilliseconds = 100;

    explicit VisitCounters(QWidget *parent = nullptr);

    // At start-up: take both counters' addresses and send the start-up request; `started`
    // follows when it has ended, either way. The counters load a moment later. Only the
    // first call does anything.
    void start();
    // The start-up request has ended and `started` has been sent.
    bool hasStarted() const { return m_state == State::Started; }
    // Gives both views their designed height again (the Settings button does this).
    void setDesignedHeights();

    // The counter addresses of this build.
    static QString gameCounterAddress();
    static QString ratingCounterAddress();
    // Where the start-up request goes: `/test/1.php` on the build's ping host, port 80.
    static QUrl startupAddress();

    // Where the counters load from and where the start-up request goes: the build's
    // addresses unless changed (tests aim them at a local server).
    void setCounterAddresses(const QUrl &game, const QUrl &rating);
    void setStartupAddress(const QUrl &address) { m_startupAddress = address; }
    HttpGet *startupRequest() const { return m_startupRequest; }

    CounterView *gameCounter() const { return m_gameView; }
    CounterView *ratingCounter() const { return m_ratingView; }
    QTimer *refreshTimer() const { return m_timer; }

public slots:
    // One refresh: reloads both views while they are in use.
    void refresh();

signals:
    void started();

private:
    enum class State { Idle, Starting, Started };

    bool navigateBoth();
    void announceStarted();
    // Switches the counters off for the rest of the run.
    void switchOff();

    HttpGet *m_startupRequest;
    CounterView *m_gameView;
    CounterView *m_ratingView;
    QTimer *m_timer;
    QUrl m_gameAddress;
    QUrl m_ratingAddress;
    QUrl m_startupAddress;
    State m_state = State::Idle;
};
