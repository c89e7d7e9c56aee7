#include "CounterView.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPixmap>

namespace
{
// What the reply may buffer between two reads.
constexpr qint64 kReadBufferBytes = 16 * 1024;

bool isWebAddress(const QUrl &address)
{
    const QString scheme = address.scheme();
    return address.isValid() && !address.host().isEmpty()
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
} // namespace

CounterView::CounterView(QNetworkAccessManager *network, QWidget *parent) : QLabel(parent), m_network(network)
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
    if (!isWebAddress(address))
        return false;
    m_address = address;
    return true;
}

bool CounterView::load()
{
    if (m_address.isEmpty())
        return false;
    // One load at a time: a new navigation replaces the one still running.
    dropReply();
    QNetworkRequest request(m_address);
    request.setTransferTimeout(kTransferTimeoutMilliseconds);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(kReadBufferBytes);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::redirected, this, [reply](const QUrl &target) {
        // Plain HTTP only, as for every other request of the program.
        if (target.scheme() == QLatin1String("http"))
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        // A picture announced too large is not waited for.
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxPictureBytes)
            endLoad(QImage());
    });
    connect(reply, &QNetworkReply::readyRead, this, &CounterView::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &CounterView::onFinished);
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

QImage CounterView::decodePicture(const QByteArray &data, const QSize &room)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format != "png" && format != "gif" && format != "jpeg")
        return QImage();
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return QImage();
    if (room.isValid() && (size.width() > room.width() || size.height() > room.height()))
        reader.setScaledSize(size.scaled(room, Qt::KeepAspectRatio));
    return reader.read();
}

void CounterView::onReadyRead()
{
    if (!m_reply)
        return;
    m_peakHeld = qMax(m_peakHeld, m_data.size() + m_reply->bytesAvailable());
    m_data += m_reply->read(kMaxPictureBytes + 1 - m_data.size());
    if (m_data.size() > kMaxPictureBytes)
        endLoad(QImage());
}

void CounterView::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_reply)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // Load failures are the view's own affair: it just shows nothing.
    const bool ok = m_reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    endLoad(ok ? decodePicture(m_data, contentsRect().size()) : QImage());
}

void CounterView::endLoad(const QImage &picture)
{
    dropReply();
    if (picture.isNull() || !m_browserVisible) {
        clear();
        emit loadFinished(false);
        return;
    }
    setPixmap(QPixmap::fromImage(picture));
    emit loadFinished(true);
}

void CounterView::dropReply()
{
    m_data.clear();
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
