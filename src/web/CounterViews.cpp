#include "CounterViews.h"

#include "BuildConfig.h"
#include "CounterView.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

CounterViews::CounterViews(QWidget *settingsPage)
    : QObject(settingsPage), m_page(settingsPage),
      m_gameAddress(gameCounterAddress()), m_ratingAddress(ratingCounterAddress()),
      m_pingHost(QString::fromUtf8(BuildConfig::kPingHost))
{
    setObjectName(QStringLiteral("CounterViews"));
    m_view1 = new CounterView(settingsPage);
    m_view1->setObjectName(QStringLiteral("WebBrowser1"));
    m_view2 = new CounterView(settingsPage);
    m_view2->setObjectName(QStringLiteral("WebBrowser2"));
    m_view1->resize(kViewWidth, kViewHeight);
    m_view2->resize(kViewWidth, kViewHeight);
    layoutViews();
    settingsPage->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerCount1"));
    m_timer->setInterval(kRefreshMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &CounterViews::TimerCount1Timer);
    m_timer->start();
}

void CounterViews::lookUpPingHostAhead()
{
    TcpConnection::lookUpAhead(QString::fromUtf8(BuildConfig::kPingHost));
}

QString CounterViews::gameCounterAddress()
{
    return QStringLiteral("http://") + QString::fromUtf8(BuildConfig::kGameCounterHost) + QStringLiteral("/c/b/?")
           + QString::fromUtf8(BuildConfig::kGameCounterNumber);
}

QString CounterViews::ratingCounterAddress()
{
    return QStringLiteral("http://") + QString::fromUtf8(BuildConfig::kRatingHost) + QStringLiteral("/counter?id=")
           + QString::fromUtf8(BuildConfig::kRatingCounterNumber) + QStringLiteral(";t=53");
}

void CounterViews::setCounterAddresses(const QUrl &game, const QUrl &rating)
{
    m_gameAddress = game;
    m_ratingAddress = rating;
}

void CounterViews::setPingTarget(const QString &host, quint16 port)
{
    m_pingHost = host;
    m_pingPort = port;
}

void CounterViews::start()
{
    QPointer<CounterViews> self(this);
    // The views take their addresses now and load them once the window is up: they sit on a
    // page not yet seen, and loading and decoding their pictures is no work for the start.
    bool ok = m_view1->setAddress(m_gameAddress) && m_view2->setAddress(m_ratingAddress);
    if (ok) {
        QTimer::singleShot(kFirstLoadDelayMilliseconds, this, [this] {
            if (!m_view1->load() || !m_view2->load())
                failurePath();
        });
        HttpClient client;
        client.setLimits(m_pingLimits);
        if (m_pingResolver)
            client.setResolver(m_pingResolver);
        // The answer does not matter; only a transport failure does.
        ok = client.get(m_pingHost, m_pingPort, pingPath());
        client.close();
    }
    // Handlers ran while the request waited; the page may be gone by now.
    if (self && !ok)
        failurePath();
}

void CounterViews::TimerCount1Timer()
{
    if (!m_view1->browserVisible())
        return;
    if (!navigateBoth())
        failurePath();
}

void CounterViews::setDesignedHeights()
{
    m_view1->resize(kViewWidth, kViewHeight);
    m_view2->resize(kViewWidth, kViewHeight);
    layoutViews();
}

bool CounterViews::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Resize)
        layoutViews();
    return QObject::eventFilter(watched, event);
}

bool CounterViews::navigateBoth()
{
    return m_view1->navigate(m_gameAddress) && m_view2->navigate(m_ratingAddress);
}

void CounterViews::failurePath()
{
    m_view1->setEnabled(false);
    m_view2->setEnabled(false);
    m_view1->setBrowserVisible(false);
    m_view2->setBrowserVisible(false);
}

void CounterViews::layoutViews()
{
    // Both at the page's bottom edge: WebBrowser1 lowest, WebBrowser2 directly above it.
    const int bottom = m_page->height();
    m_view1->move(0, bottom - m_view1->height());
    m_view2->move(0, m_view1->y() - m_view2->height());
}
