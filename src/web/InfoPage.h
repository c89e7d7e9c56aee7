#pragma once

#include <QWidget>

#include "Services.h"

class QLabel;
class QTextEdit;

// The Information page: the credit lines and the instructions with clickable addresses.
class InfoPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRichEditHeight = 94;

    explicit InfoPage(const Services &services, QWidget *parent = nullptr);

    // First step of the main window's creation: fills the instructions view.
    void setUp();

    QTextEdit *richEdit() const { return m_richEdit; }

public slots:
    // A press of any mouse button at `pos` (the view's viewport coordinates): opens the web
    // or mail address that the pressed word holds.
    void RichEdit1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &pos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Services m_services;
    QLabel *m_programmer;
    QLabel *m_designer;
    QTextEdit *m_richEdit;
    // The lines of the instructions as designed (the never-shown Memo1).
    QStringList m_memo;
};
