#include "web/VisitCounters.h"

#include "BuildConfig.h"
#include "web/CounterView.h"
#include "web/HttpGet.h"

#include <QTimer>

VisitCounters::VisitCounters(QWidget *parent)
    : QWidget(parent), m_startupRequest(new HttpGet(this)), m_gameAddress(gameCounterAddress()),
      m_ratingAddress(ratingCounterAddress()), m_startupAddress(startupAddress())
{
    // The game's counter lowest, the rating service's directly above it.
    m_ratingView = new CounterView(this);
    m_ratingView->setObjectName(QStringLiteral("WebBrowser2"));
    m_gameView = new CounterView(this);
    m_gameView->setObjectName(QStringLiteral("WebBrowser1"));
    setFixedSize(kViewWidth, 2 * kViewHeight);
    setDesignedHeights();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerCount1"));
    m_timer->setInterval(kRefreshMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &VisitCounters::refresh);
    m_timer->start();

    connect(m_startupRequest, &HttpGet::finished, this, [this](bool ok) {
        // The answer does not matter; only a transport failure does.
        if (!ok)
            switchOff();
        announceStarted();
    });
}

QString VisitCounters::gameCounterAddress()
{
    return QStringLiteral("http://") + QString::fromUtf8(BuildConfig::kGameCounterHost) +
           QStringLiteral("/c/b/?") + QString::fromUtf8(BuildConfig::kGameCounterNumber);
}

QString VisitCounters::ratingCounterAddress()
{
    return QStringLiteral("http://") + QString::fromUtf8(BuildConfig::kRatingHost) +
           QStringLiteral("/counter?id=") + QString::fromUtf8(BuildConfig::kRatingCounterNumber) +
           QStringLiteral(";t=53");
}

QUrl VisitCounters::startupAddress()
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QString::fromUtf8(BuildConfig::kPingHost));
    url.setPort(80);
    url.setPath(QStringLiteral("/test/1.php"));
    return url;
}

void VisitCounters::setCounterAddresses(const QUrl &game, const QUrl &rating)
{
    m_gameAddress = game;
    m_ratingAddress = rating;
}

void VisitCounters::start()
{
    if (m_state != State::Idle)
        return;
    m_state = State::Starting;
    // The views take their addresses now and load them once the window is up: loading and
    // decoding pictures for a page not yet seen is no work for the start.
    if (!m_gameView->setAddress(m_gameAddress) || !m_ratingView->setAddress(m_ratingAddress)) {
        switchOff();
        QTimer::singleShot(0, this, &VisitCounters::announceStarted);
        return;
    }
    QTimer::singleShot(kFirstLoadDelayMilliseconds, this, [this] {
        if (!m_gameView->load() || !m_ratingView->load())
            switchOff();
    });
    m_startupRequest->start(m_startupAddress);
}

void VisitCounters::announceStarted()
{
    m_state = State::Started;
    emit started();
}

void VisitCounters::refresh()
{
    if (!m_gameView->browserVisible())
        return;
    if (!navigateBoth())
        switchOff();
}

void VisitCounters::setDesignedHeights()
{
    m_ratingView->setGeometry(0, 0, kViewWidth, kViewHeight);
    m_gameView->setGeometry(0, kViewHeight, kViewWidth, kViewHeight);
}

bool VisitCounters::navigateBoth()
{
    return m_gameView->navigate(m_gameAddress) && m_ratingView->navigate(m_ratingAddress);
}

void VisitCounters::switchOff()
{
    m_gameView->setEnabled(false);
    m_ratingView->setEnabled(false);
    m_gameView->setBrowserVisible(false);
    m_ratingView->setBrowserVisible(false);
}
