#pragma once

#include "ReferenceWindow.h"

#include "LazyPicture.h"

class QLabel;

// The spellcasting window: five stored pictures of enchanting recipes; a
// button copies one into the display and fits the window's height to it.
class SpellcastingWindow : public ReferenceWindow
{
    Q_OBJECT
  public:
    static constexpr int kPictureCount = 5;
    static constexpr int kDisplayWidth = 577;
    // The window's outer height is the picture's height plus this.
    static constexpr int kHeightOverPicture = 30;

    explicit SpellcastingWindow(QWidget *parent = nullptr);

    // The outer height (frame included, as the window was designed) that the last picture
    // chosen set: its height plus 30. The client area is this less the designed frame.
    int designedOuterHeight() const { return m_outerHeight; }
    // Stored picture k (0 to 4); never changed by showing it.
    const QPixmap &storedPicture(int k) const { return m_stored[k].pixmap(); }

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void displayPicture(int k);
    // Puts the chosen picture into the display, decoding it if it never was.
    void fillDisplay();

    QLabel *m_display;
    LazyPicture m_stored[kPictureCount];
    int m_chosen = 0;
    int m_displayed = -1;
    int m_outerHeight = 0;
};
