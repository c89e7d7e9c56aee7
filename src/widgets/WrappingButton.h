#pragma once

#include <QPushButton>

// A push button whose caption wraps to fit the button: at spaces, and letter by letter
// when one word is wider than the button, so tall buttons read from top to bottom.
// text() keeps the caption as given.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
