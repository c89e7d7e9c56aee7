#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries to fit its width, as the
// picture windows' tall buttons need. text() keeps the caption as given.
class WrapButton : public QPushButton
{
    Q_OBJECT
  public:
    explicit WrapButton(const QString &text, QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;
};
