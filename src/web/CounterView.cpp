#include "CounterView.h"

#include "HttpClient.h"

#include <QImage>
#include <QPixmap>

CounterView::CounterView(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

CounterView::~CounterView()
{
    dropLoad();
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
    // As a browser does, a new navigation replaces the one still loading.
    dropLoad();
    m_load = new HttpClient(this);
    HttpClient::Limits limits;
    // A reload comes every few seconds; a load that takes longer is not worth waiting for.
    limits.totalMilliseconds = 5000;
    // One byte past the largest picture taken tells a picture too large.
    limits.maxBodyBytes = kMaxPictureBytes + 1;
    m_load->setLimits(limits);
    m_load->setKeepBody(true);
    connect(m_load, &HttpClient::finished, this, &CounterView::onFinished);
    m_load->start(m_address);
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

void CounterView::onFinished(bool ok)
{
    const HttpClient *load = takeLoad();
    // Load failures are the view's own affair: it just shows nothing.
    const int status = load->lastStatus();
    const QByteArray body = load->body();
    QImage picture;
    if (ok && load->lastAnswerHasHead() && status >= 200 && status < 300 && body.size() <= kMaxPictureBytes)
        picture = QImage::fromData(body);
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

void CounterView::dropLoad()
{
    if (HttpClient *load = takeLoad())
        load->close();
}

HttpClient *CounterView::takeLoad()
{
    // The load goes once control is back in the event loop; until then it can still be read.
    HttpClient *load = m_load;
    m_load = nullptr;
    if (load) {
        load->disconnect(this);
        load->deleteLater();
    }
    return load;
}
