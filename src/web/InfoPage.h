#pragma once

#include <QWidget>

#include "desktop/Services.h"

class QTextEdit;

// The Information page: the credit lines and the instructions with clickable addresses.
class InfoPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kInstructionsHeight = 94;

    explicit InfoPage(const Services &services, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showInstructions();
    // A press of any mouse button at `pos` (viewport coordinates) opens the web or mail
    // address that the pressed word holds.
    void openAddressAt(const QPoint &pos);

    Services m_services;
    QTextEdit *m_instructions;
};
