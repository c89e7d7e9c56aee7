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
    // client area keeps what such a frame leaves, whatever frame the window gets.
    static constexpr QSize kDesignedFrame{8, 34};

    ReferenceWindow(const char *objectName, const QString &caption, QSize outerSize,
                    QWidget *parent = nullptr);

    // Shows the window normal (not minimized), in front and active; a window that was
    // already shown keeps everything else as it was.
    void showOrRaise();

protected:
    // Places the window, frame included, in the middle of the primary screen's work area;
    // once the window manager has framed the window, it is placed again by its real frame.
    void centreOnScreen();
    // The frame around the client area: the window manager's once the window is framed,
    // the designed one before that.
    QSize frameSize() const;
    // Runs once, when the window's real frame first becomes known.
    virtual void frameKnown();

    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Creates the window's "Закрыть" button (`BitBtn1`) and makes Escape press it.
    QPushButton *addCloseButton(const QRect &geometry);

private:
    void checkFrame();

    bool m_centred = false;
    bool m_framed = false;
};
