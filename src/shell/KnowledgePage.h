#pragma once

#include <QWidget>

class QPushButton;

// The Knowledge page: one button per reference window (the news links below them are
// added by their own owner).
class KnowledgePage : public QWidget {
    Q_OBJECT
public:
    explicit KnowledgePage(QWidget *parent = nullptr);

    // Button k (1..5) of the page: crafting, experience, spellcasting, alchemy, leatherworking.
    QPushButton *button(int k) const { return m_buttons[k - 1]; }

private:
    QPushButton *m_buttons[5];
};
