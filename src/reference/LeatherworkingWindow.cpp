#include "reference/LeatherworkingWindow.h"

#include "widgets/WrappingButton.h"

#include <QLabel>

LeatherworkingWindow::LeatherworkingWindow(QWidget *parent)
    : ReferenceWindow("Form2", tr("Кожевничество"), QSize(698, 513), parent)
{
    move(256, 169);

    for (int i = 0; i < kPictureCount; ++i) {
        m_images[i] = new QLabel(this);
        m_images[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        m_images[i]->setGeometry(QRect(QPoint(8, 8), kPictureSize));
        m_images[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_pictures[i] = LazyPicture(QStringLiteral(":/reference/koja-%1.jpg").arg(i + 1));
    }

    const QString captions[kPictureCount] = {tr("Заплатки 1-го уровня"), tr("Заплатки 2-го уровня"),
                                             tr("Заплатки 3-го уровня")};
    for (int i = 0; i < kPictureCount; ++i) {
        auto *button = new WrappingButton(captions[i], this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setGeometry(577, 8 + 56 * i, 105, 49);
        connect(button, &QPushButton::clicked, this, [this, i] { showPicture(i); });
    }
    addCloseButton(QRect(593, 438, 89, 33));

    showPicture(0);
}

int LeatherworkingWindow::shownPicture() const
{
    for (int i = 0; i < kPictureCount; ++i)
        if (!m_images[i]->isHidden())
            return i;
    return -1;
}

void LeatherworkingWindow::showPicture(int index)
{
    for (int i = 0; i < kPictureCount; ++i)
        m_images[i]->setVisible(i == index);
    if (isVisible())
        fillShownPicture();
}

void LeatherworkingWindow::fillShownPicture()
{
    const int shown = shownPicture();
    if (shown >= 0 && m_images[shown]->pixmap().isNull())
        m_images[shown]->setPixmap(m_pictures[shown].pixmap());
}

void LeatherworkingWindow::showEvent(QShowEvent *event)
{
    fillShownPicture();
    ReferenceWindow::showEvent(event);
}
