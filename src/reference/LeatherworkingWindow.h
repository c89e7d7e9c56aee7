#pragma once

#include "LazyPicture.h"
#include "ReferenceWindow.h"

class QLabel;
class QPushButton;

// The leatherworking window (UnitKoja): three pictures of patch recipes, one shown at a
// time, chosen by the three buttons at the right.
class LeatherworkingWindow : public ReferenceWindow
{
    Q_OBJECT
  public:
    static constexpr int kPictureCount = 3;
    static constexpr QSize kPictureSize{560, 464};

    explicit LeatherworkingWindow(QWidget *parent = nullptr);

    // The picture shown now, 0 to 2.
    int shownPicture() const;

  public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void showPicture(int index);
    // Gives the shown picture's control its picture, decoding it on first use.
    void fillShownPicture();

    QLabel *m_images[kPictureCount];
    LazyPicture m_pictures[kPictureCount];
};
