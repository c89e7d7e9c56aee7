#include "hunting/SearchZoneMarker.h"

#include "pictures/BuiltInPicture.h"

#include <QMouseEvent>
#include <QPainter>

SearchZoneMarker::SearchZoneMarker(int number, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("l%1").arg(number));
    setGeometry(QRect(position(number), QSize(kSize, kSize)));
    setAttribute(Qt::WA_TranslucentBackground);
    setColour(MarkerColour::Gray);
}

QPoint SearchZoneMarker::position(int number)
{
    static const int groupLeft[4] = {1, 37, 70, 107};
    static const int rowTop[4] = {29, 64, 100, 133};
    const int row = (number - 1) / 12;
    const int group = ((number - 1) % 12) / 3;
    const int k = (number - 1) % 3;
    return {groupLeft[group] + 11 * k, rowTop[row]};
}

QImage SearchZoneMarker::pictureOf(MarkerColour colour)
{
    // Forty-eight markers share three pictures: each is decoded once (images share their data).
    static const QImage pictures[3] = {BuiltInPicture::image(QStringLiteral(":/hunting/RESGRAY.png")),
                                       BuiltInPicture::image(QStringLiteral(":/hunting/RESRED.png")),
                                       BuiltInPicture::image(QStringLiteral(":/hunting/RESGREEN.png"))};
    return pictures[static_cast<int>(colour)];
}

void SearchZoneMarker::setColour(MarkerColour colour)
{
    m_picture = pictureOf(colour);
    // The disc's white corners let the board show through. Drawn once a colour and shared
    // by all the markers: forty-eight drawings at start would delay the first frame.
    static QImage shown[3];
    QImage &drawn = shown[static_cast<int>(colour)];
    if (drawn.isNull()) {
        drawn = QImage(m_picture.size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        drawTransparently(drawn, QPoint(0, 0), m_picture);
    }
    m_shown = drawn;
    update();
}

void SearchZoneMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_shown);
}

void SearchZoneMarker::mousePressEvent(QMouseEvent *event)
{
    // The press belongs to the marker, never to the board beneath it.
    event->accept();
}

void SearchZoneMarker::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
