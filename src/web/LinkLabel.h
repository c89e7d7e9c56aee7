#pragma once

#include <QLabel>

// A label styled as a link (bold, underlined) that reports clicks and double clicks
// the way the program's links expect: a double click is one click followed by one
// double click, never two clicks.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &text, QWidget *parent);

signals:
    // The left button went down and came up again over the label.
    void clicked();
    // The second press of a left double click.
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
