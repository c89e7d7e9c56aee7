#include "CounterView.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>

CounterView::CounterView(std::function<QNetworkAccessManager *()> network, QWidget *parent)
    : QLabel(parent), m_network(std::move(network))
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

CounterView::~CounterView()
{
    dropReply();
}

bool CounterView::navigate(const QUrl &address)
{
    return setAddress(address) && load();
}

bool CounterView::setAddress(const QUrl &address)
{
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    m_address = address;
    return true;
}

bool CounterView::load()
{
    if (m_address.isEmpty())
        return false;
    QNetworkAccessManager *network = m_network();
    if (!network)
        return false;
    // As a browser does, a new navigation replaces the one still loading.
    dropReply();
    QNetworkRequest request(m_address);
    // A reload comes every few seconds; a load that takes longer is not worth waiting for.
    request.setTransferTimeout(5000);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply *reply = network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
        if (received > kMaxPictureBytes)
            reply->abort();
    });
    return true;
}

void CounterView::setBrowserVisible(bool visible)
{
    if (m_browserVisible == visible)
        return;
    m_browserVisible = visible;
    if (!visible)
        clear();
    emit browserVisibleChanged(visible);
}

void CounterView::onFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_reply = nullptr;
    // Load failures are the view's own affair: it just shows nothing.
    QImage picture;
    if (reply->error() == QNetworkReply::NoError)
        picture = QImage::fromData(reply->read(kMaxPictureBytes));
    if (picture.isNull() || !m_browserVisible) {
        clear();
        emit loadFinished(false);
        return;
    }
    const QSize room = contentsRect().size();
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPixmap(QPixmap::fromImage(picture));
    emit loadFinished(true);
}

void CounterView::dropReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
