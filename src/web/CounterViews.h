#pragma once

#include <QObject>
#include <QUrl>

#include "HttpClient.h"

class CounterView;
class QTimer;
class QWidget;

// The two visit counters at the foot of the Settings page and the start-up request.
class CounterViews : public QObject {
    Q_OBJECT
public:
    static constexpr int kViewWidth = 161;
    static constexpr int kViewHeight = 55;
    static constexpr int kRefreshMilliseconds = 5000;
    static constexpr quint16 kPingPort = 80;
    static constexpr int kFirstLoadDelayMilliseconds = 100;

    explicit CounterViews(QWidget *settingsPage);

    // Last step of the main window's creation: take both counters' addresses, send the
    // start-up request and return when it has ended; the counters load a moment later.
    void start();
    // Begins looking up the start-up request's host, so the name is known by the time the
    // request is sent; called at program start, before the windows are built.
    static void lookUpPingHostAhead();
    // Gives both views their designed height again (the Settings button does this).
    void setDesignedHeights();

    // The counter addresses of this build.
    static QString gameCounterAddress();
    static QString ratingCounterAddress();
    static QString pingPath() { return QStringLiteral("/test/1.php"); }

    // Where the counters load from and where the start-up request goes. The build's hosts
    // unless changed (tests aim them at a local server).
    void setCounterAddresses(const QUrl &game, const QUrl &rating);
    void setPingTarget(const QString &host, quint16 port);
    void setPingLimits(const HttpClient::Limits &limits) { m_pingLimits = limits; }
    void setPingResolver(HttpClient::Resolver resolver) { m_pingResolver = std::move(resolver); }

    CounterView *webBrowser1() const { return m_view1; }
    CounterView *webBrowser2() const { return m_view2; }
    QTimer *refreshTimer() const { return m_timer; }

public slots:
    // One refresh: reloads both views while they are active.
    void TimerCount1Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool navigateBoth();
    // Switches the counters off for the rest of the run.
    void failurePath();
    void layoutViews();

    QWidget *m_page;
    CounterView *m_view1;
    CounterView *m_view2;
    QTimer *m_timer;
    QUrl m_gameAddress;
    QUrl m_ratingAddress;
    QString m_pingHost;
    quint16 m_pingPort = kPingPort;
    HttpClient::Limits m_pingLimits;
    HttpClient::Resolver m_pingResolver;
};
