#pragma once

#include "reference/LazyPicture.h"
#include "reference/ReferenceWindow.h"

class QLabel;

// The leatherworking window: three pictures of patch recipes, one shown at a
// time, chosen by the three buttons at the right.
class LeatherworkingWindow : public ReferenceWindow {
    Q_OBJECT
public:
    static constexpr int kPictureCount = 3;
    static constexpr QSize kPictureSize{560, 464};

    explicit LeatherworkingWindow(QWidget *parent = nullptr);

    // The picture shown now, 0 to 2.
    int shownPicture() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPicture(int index);
    // Gives the shown picture's control its picture, decoding it on first use.
    void fillShownPicture();

    QLabel *m_images[kPictureCount];
    LazyPicture m_pictures[kPictureCount];
};
