#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QPushButton;

// Common ground of the five reference windows: ordinary windows, hidden on close and
// kept for the whole run, with a "Закрыть" button that Escape presses.
class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    // The windows' sizes are laid out frame included, for a frame of this size; the
    // client area keeps what such a frame leaves.
    static constexpr QSize kDesignedFrame{8, 34};

    ReferenceWindow(const char *objectName, const QString &caption, QSize outerSize,
                    QWidget *parent = nullptr);

    // Shows the window normal (not minimized), in front and active; a window that was
    // already shown keeps everything else as it was.
    void showOrRaise();

protected:
    // Places the window in the middle of the primary screen's work area.
    void centreOnScreen();
    // Creates the window's "Закрыть" button (`BitBtn1`) and makes Escape press it.
    QPushButton *addCloseButton(const QRect &geometry);
};
