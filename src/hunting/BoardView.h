#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// Shows the board picture unscaled and reports every mouse press on it in picture pixels.
class BoardView : public QWidget {
public:
    using PressHandler = std::function<void(Qt::MouseButton, QPoint)>;

    BoardView(const QImage *picture, PressHandler onPress, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    const QImage *m_picture;
    PressHandler m_onPress;
};
