#include "web/CounterView.h"

#include "web/HttpGet.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

CounterView::CounterView(QWidget *parent) : QLabel(parent), m_load(new HttpGet(this))
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    HttpGet::Limits limits;
    limits.totalMilliseconds = kLoadMilliseconds;
    // One byte past the largest picture taken tells a picture too large.
    limits.maxBodyBytes = kMaxPictureBytes + 1;
    m_load->setLimits(limits);
    m_load->setKeepBody(true);
    connect(m_load, &HttpGet::finished, this, &CounterView::onFinished);
}

bool CounterView::navigate(const QUrl &address)
{
    return setAddress(address) && load();
}

bool CounterView::setAddress(const QUrl &address)
{
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    m_address = address;
    return true;
}

bool CounterView::load()
{
    if (m_address.isEmpty())
        return false;
    // One load at a time: a new navigation replaces the one still running.
    m_load->start(m_address);
    return true;
}

void CounterView::setBrowserVisible(bool visible)
{
    if (m_browserVisible == visible)
        return;
    m_browserVisible = visible;
    if (!visible) {
        m_load->abort();
        clear();
    }
    emit browserVisibleChanged(visible);
}

qint64 CounterView::peakBytesHeld() const
{
    return m_load->peakBytesHeld();
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

void CounterView::onFinished(bool ok)
{
    // Load failures are the view's own affair: it just shows nothing.
    const int status = m_load->lastStatus();
    const QByteArray body = m_load->body();
    QImage picture;
    if (ok && m_load->lastAnswerHasHead() && status >= 200 && status < 300 && body.size() <= kMaxPictureBytes)
        picture = decodePicture(body, contentsRect().size());
    if (picture.isNull() || !m_browserVisible) {
        clear();
        emit loadFinished(false);
        return;
    }
    setPixmap(QPixmap::fromImage(picture));
    emit loadFinished(true);
}
