#include "reference/SpellcastingWindow.h"

#include "reference/ReferenceTableStyle.h"

#include <QLabel>
#include <QPushButton>

namespace {
// The pictures' sizes, known before any is decoded.
constexpr QSize kPictureSizes[SpellcastingWindow::kPictureCount] = {
    {564, 447}, {559, 615}, {559, 300}, {557, 607}, {556, 279}};
} // namespace

SpellcastingWindow::SpellcastingWindow(QWidget *parent)
    : ReferenceWindow("FormZakl", tr("Заклинательство"), QSize(748, 477), parent)
{
    move(224, 155);

    // Docked to the left edge: full client height, natural size, no stretching.
    m_display = new QLabel(this);
    m_display->setObjectName(QStringLiteral("Image1"));
    m_display->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_display->setGeometry(0, 0, kDisplayWidth, height());

    for (int k = 0; k < kPictureCount; ++k)
        m_stored[k] = LazyPicture(QStringLiteral(":/reference/zakl-%1.jpg").arg(k + 1));

    const QString captions[kPictureCount] = {tr("Кольца 5-7 уровень"), tr("9 ур. - амулеты, сапоги "),
                                             tr("9 ур. - шлемы"), tr("11 ур. - амулеты, сапоги"),
                                             tr("11 ур. - шлемы")};
    for (int k = 0; k < kPictureCount; ++k) {
        auto *button = new QPushButton(captions[k], this);
        button->setObjectName(QStringLiteral("Button%1").arg(k + 1));
        button->setGeometry(589, 8 + 32 * k, 139, 25);
        button->setFont(ReferenceTableStyle::narrowFont());
        connect(button, &QPushButton::clicked, this, [this, k] { displayPicture(k); });
    }
    addCloseButton(QRect(589, 176, 83, 33));

    // The window opens with the first picture.
    displayPicture(0);
}

void SpellcastingWindow::displayPicture(int k)
{
    m_chosen = k;
    fitHeight();
    if (isVisible())
        fillDisplay();
}

void SpellcastingWindow::fitHeight()
{
    const int pictureHeight = kPictureSizes[m_chosen].height();
    resize(width(), qMax(pictureHeight, pictureHeight + kHeightOverPicture - frameSize().height()));
}

void SpellcastingWindow::frameKnown()
{
    ReferenceWindow::frameKnown();
    fitHeight();
}

void SpellcastingWindow::fillDisplay()
{
    if (m_displayed == m_chosen)
        return;
    // QPixmap shares its data on copy, so the stored picture stays as it is.
    m_display->setPixmap(m_stored[m_chosen].pixmap());
    m_displayed = m_chosen;
}

void SpellcastingWindow::showEvent(QShowEvent *event)
{
    fillDisplay();
    ReferenceWindow::showEvent(event);
}

void SpellcastingWindow::resizeEvent(QResizeEvent *event)
{
    ReferenceWindow::resizeEvent(event);
    m_display->setGeometry(0, 0, kDisplayWidth, height());
}
