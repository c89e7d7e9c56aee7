#include "SearchZoneMarker.h"

#include "HuntingBoard.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>

SearchZoneMarker::SearchZoneMarker(int number, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("l%1").arg(number));
    setGeometry(QRect(position(number), QSize(kSize, kSize)));
    setAttribute(Qt::WA_TranslucentBackground);
    setPicture(resourcePicture("RESGRAY"));
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

QImage SearchZoneMarker::resourcePicture(const char *name)
{
    // Forty-eight markers share three pictures: each is decoded once (images share their data).
    static QHash<QByteArray, QImage> decoded;
    auto picture = decoded.find(name);
    if (picture == decoded.end())
        picture = decoded.insert(name, QImage(QStringLiteral(":/hunting/%1.png").arg(QLatin1String(name))));
    return *picture;
}

void SearchZoneMarker::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_shown = QImage(picture.size(), QImage::Format_ARGB32);
    m_shown.fill(Qt::transparent);
    drawTransparently(m_shown, QPoint(0, 0), picture);
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
