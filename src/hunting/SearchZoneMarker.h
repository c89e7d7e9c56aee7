#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "hunting/BoardRenderer.h"

// One of the 48 small discs along the bottom edges of the board's cells. It shows the
// colour the hunt gives it and reports clicks; the colour itself lives in the hunt.
class SearchZoneMarker : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 11;

    // `number` is 1..48; the marker names itself l1..l48 and takes its place on the page.
    // It starts gray.
    explicit SearchZoneMarker(int number, QWidget *parent = nullptr);

    // Top-left corner on the Tablet page of marker `number` (1..48): three per board
    // column, one row of them along the bottom of each board row.
    static QPoint position(int number);
    // The disc of the given colour.
    static QImage pictureOf(MarkerColour colour);

    const QImage &picture() const { return m_picture; }
    void setColour(MarkerColour colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QImage m_shown;
};
