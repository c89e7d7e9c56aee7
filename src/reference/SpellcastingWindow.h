#pragma once

#include "reference/ReferenceWindow.h"

#include "reference/LazyPicture.h"

class QLabel;

// The spellcasting window: five stored pictures of enchanting recipes; a
// button copies one into the display and fits the window's height to it.
class SpellcastingWindow : public ReferenceWindow {
    Q_OBJECT
public:
    static constexpr int kPictureCount = 5;
    static constexpr int kDisplayWidth = 577;
    // The window's height, frame included, is the picture's height plus this, or more
    // where the frame is taller: the picture always shows whole.
    static constexpr int kHeightOverPicture = 30;

    explicit SpellcastingWindow(QWidget *parent = nullptr);

    // Stored picture k (0 to 4); never changed by showing it.
    const QPixmap &storedPicture(int k) const { return m_stored[k].pixmap(); }

protected:
    void frameKnown() override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void displayPicture(int k);
    void fitHeight();
    // Puts the chosen picture into the display, decoding it if it never was.
    void fillDisplay();

    QLabel *m_display;
    LazyPicture m_stored[kPictureCount];
    int m_chosen = 0;
    int m_displayed = -1;
};
