#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// One of the 48 small discs along the bottom edges of the board's cells. Its state is
// its tag: 0 gray, 1 red, 2 green.
class SearchZoneMarker : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 48;
    static constexpr int kSize = 11;

    // `number` is 1..48; the marker names itself l1..l48 and takes its place on the page.
    explicit SearchZoneMarker(int number, QWidget *parent = nullptr);

    // Top-left corner on the Tablet page of marker `number` (1..48): three per board
    // column, one row of them along the bottom of each board row.
    static QPoint position(int number);
    // The marker picture stored in the program under `name` (RESGRAY, RESRED, RESGREEN).
    static QImage resourcePicture(const char *name);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    const QImage &picture() const { return m_picture; }
    // Replaces the picture; its bottom-left colour is left out when drawn.
    void setPicture(const QImage &picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    QImage m_picture;
    QImage m_shown;
};
