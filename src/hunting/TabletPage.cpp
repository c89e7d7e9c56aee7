#include "hunting/TabletPage.h"

#include "hunting/BoardView.h"
#include "hunting/SearchZoneMarker.h"
#include "pictures/BuiltInPicture.h"
#include "settings/Settings.h"
#include "widgets/WrappingButton.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>

namespace {
// Menus whose items carry the board's pictures need room for them beside the captions.
class PictureMenuStyle : public QProxyStyle {
public:
    explicit PictureMenuStyle(int iconSize) : m_iconSize(iconSize) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_SmallIconSize)
            return m_iconSize;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_iconSize;
};

QMenu *pictureMenu(QWidget *owner, const char *name, int iconSize)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    auto *style = new PictureMenuStyle(iconSize);
    style->setParent(menu);
    menu->setStyle(style);
    return menu;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption, const QImage &picture, int data)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!picture.isNull())
        action->setIcon(QIcon(QPixmap::fromImage(picture)));
    action->setData(data);
    return action;
}
} // namespace

TabletPage::TabletPage(HuntingBoard *hunt, const Settings *settings, QWidget *parent)
    : QWidget(parent), m_hunt(hunt), m_settings(settings),
      m_openMenu([](QMenu *menu, QPoint at) { menu->popup(at); })
{
    setObjectName(QStringLiteral("TabSheet1"));

    m_boardView = new BoardView(
        &m_renderer.picture(), [this](Qt::MouseButton button, QPoint at) { onBoardPressed(button, at); },
        this);
    m_boardView->setObjectName(QStringLiteral("Image1"));
    m_boardView->move(0, 5);

    auto *reset = new WrappingButton(tr("СБРОС"), this);
    reset->setObjectName(QStringLiteral("Button6"));
    reset->setGeometry(144, 0, 18, 113);
    connect(reset, &QPushButton::clicked, this, &TabletPage::resetHunt);

    // Created after the board so that they lie over it.
    for (int index = 0; index < HuntingBoard::kMarkerCount; ++index) {
        auto *marker = new SearchZoneMarker(index + 1, this);
        marker->setVisible(m_settings->searchZones());
        connect(marker, &SearchZoneMarker::clicked, this, [this, index] { advanceMarker(index); });
        m_markers[static_cast<std::size_t>(index)] = marker;
    }
    showMarkers();

    // Hidden markers keep their colours.
    connect(m_settings, &Settings::searchZonesChanged, this, [this](bool shown) {
        for (SearchZoneMarker *marker : m_markers)
            marker->setVisible(shown);
    });
}

QMenu *TabletPage::attachedAnimalMenu() const
{
    // Switching the picture set changes only the menu; animals already drawn stay as they are.
    return m_settings->standardPictures() ? m_standardAnimalMenu : m_alternativeAnimalMenu;
}

void TabletPage::buildMenus()
{
    // Made on the first press on the board, with the pictures they show: the first frame
    // needs neither.
    if (m_markMenu)
        return;
    // Both animal menus show the standard animals beside their items: the board's own
    // pictures, decoded once.
    const std::array<QImage, 4> &menuPictures = m_renderer.pictures().standardAnimals;
    const QString clear = tr("Очистить");
    const QString space = QStringLiteral(" ");

    m_standardAnimalMenu = pictureMenu(this, "PopupMenu1", 35);
    menuItem(m_standardAnimalMenu, "X1", clear, QImage(), -1);
    const char *const standardNames[4] = {"N1", "N2", "N3", "N4"};
    for (int i = 0; i < 4; ++i)
        menuItem(m_standardAnimalMenu, standardNames[i], space, menuPictures[i], i);

    m_alternativeAnimalMenu = pictureMenu(this, "PopupMenu4", 35);
    menuItem(m_alternativeAnimalMenu, "MenuItem5", clear, m_renderer.pictures().cross, -1);
    const char *const alternativeNames[4] = {"MenuItem6", "MenuItem7", "MenuItem8", "MenuItem9"};
    for (int i = 0; i < 4; ++i)
        menuItem(m_alternativeAnimalMenu, alternativeNames[i], space, menuPictures[i], i);

    for (QMenu *menu : {m_standardAnimalMenu, m_alternativeAnimalMenu}) {
        for (QAction *action : menu->actions())
            connect(action, &QAction::triggered, this, [this, action] { applyAnimalChoice(action); });
    }

    m_markMenu = pictureMenu(this, "PopupMenu2", 34);
    menuItem(m_markMenu, "N9", space, BuiltInPicture::image(QStringLiteral(":/hunting/cross-item.png")),
             CrossTag);
    menuItem(m_markMenu, "N10", space, BuiltInPicture::image(QStringLiteral(":/hunting/tick.png")), TickTag);
    menuItem(m_markMenu, "N5", clear, QImage(), ClearMarkTag);
    for (QAction *action : m_markMenu->actions())
        connect(action, &QAction::triggered, this, [this, action] { applyMarkChoice(action); });
}

void TabletPage::onBoardPressed(Qt::MouseButton button, QPoint at)
{
    // Recorded first, so whichever menu opens acts on the cell that was pressed.
    m_pressPoint = at;
    buildMenus();
    if (button == Qt::LeftButton)
        m_openMenu(m_markMenu, QCursor::pos());
    else if (button == Qt::RightButton)
        m_openMenu(attachedAnimalMenu(), QCursor::pos());
}

void TabletPage::applyAnimalChoice(QAction *choice)
{
    const bool standard = m_settings->standardPictures();
    const QMenu *menu = standard ? m_standardAnimalMenu : m_alternativeAnimalMenu;
    const int position = menu->actions().indexOf(choice);
    // The clear item, or an item of the other set's menu, clears the animal.
    const int code = position > 0 ? choice->data().toInt() + 1 : NoAnimal;
    const BoardCell cell = HuntingBoard::cellAt(m_pressPoint);
    m_hunt->chooseAnimal(cell, code);
    m_renderer.drawAnimalChoice(*m_hunt, cell, standard);
    m_boardView->update();
}

void TabletPage::applyMarkChoice(QAction *choice)
{
    const BoardCell cell = HuntingBoard::cellAt(m_pressPoint);
    const int tag = choice->data().toInt();
    m_hunt->chooseMark(cell, tag);
    m_renderer.drawMarkChoice(*m_hunt, cell, tag, m_settings->standardPictures());
    m_boardView->update();
}

void TabletPage::resetHunt()
{
    // Hidden markers are reset too; their visibility stays.
    m_hunt->reset();
    m_renderer.reset();
    m_boardView->update();
    showMarkers();
}

void TabletPage::advanceMarker(int index)
{
    m_hunt->advanceMarker(index);
    m_markers[static_cast<std::size_t>(index)]->setColour(m_hunt->markerColour(index));
}

void TabletPage::showMarkers()
{
    for (int index = 0; index < HuntingBoard::kMarkerCount; ++index)
        m_markers[static_cast<std::size_t>(index)]->setColour(m_hunt->markerColour(index));
}
