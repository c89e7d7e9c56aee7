#include "hunting/BoardView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(const QImage *picture, PressHandler onPress, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_onPress(std::move(onPress))
{
    setFixedSize(picture->size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), *m_picture, event->rect());
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_onPress(event->button(), event->position().toPoint());
}

void BoardView::contextMenuEvent(QContextMenuEvent *event)
{
    // The animal menu opens from the press itself, after the press position is recorded.
    event->accept();
}
