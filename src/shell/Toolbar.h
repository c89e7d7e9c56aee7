#pragma once

#include <QWidget>

class QToolButton;

// The strip of seven picture buttons at the foot of the main window that chooses the page.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 7;

    explicit Toolbar(QWidget *parent = nullptr);

    // Button k (1..7), named SpeedButtonk.
    QToolButton *button(int k) const { return m_buttons[k - 1]; }

private:
    QToolButton *m_buttons[kButtonCount];
};
