#include "TabletPage.h"

#include "BoardView.h"
#include "SearchZoneMarker.h"
#include "WrappingButton.h"

#include <QAction>
#include <QCheckBox>
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

TabletPage::TabletPage(QCheckBox *standardPictures, QCheckBox *searchZones, QWidget *parent)
    : QWidget(parent), m_standardPictures(standardPictures), m_searchZones(searchZones),
      m_board(std::make_unique<HuntingBoard>(QImage(QStringLiteral(":/hunting/board.png")),
                                             HuntingPictures::builtIn())),
      m_openMenu([](QMenu *menu, QPoint at) { menu->popup(at); })
{
    setObjectName(QStringLiteral("TabSheet1"));

    m_image1 = new BoardView(
        &m_board->picture(),
        [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at) {
            Image1MouseDown(button, shift, at.x(), at.y());
        },
        this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->move(0, 5);

    m_reset = new WrappingButton(QStringLiteral("СБРОС"), this);
    m_reset->setObjectName(QStringLiteral("Button6"));
    m_reset->setGeometry(144, 0, 18, 113);
    connect(m_reset, &QPushButton::clicked, this, &TabletPage::Button6Click);

    // Created after the board so that they lie over it.
    for (int n = 1; n <= SearchZoneMarker::kCount; ++n) {
        auto *marker = new SearchZoneMarker(n, this);
        connect(marker, &SearchZoneMarker::clicked, this, [this, marker] { l1Click(marker); });
        m_markers[static_cast<std::size_t>(n - 1)] = marker;
    }

    buildMenus();
    m_animalMenu = m_popupMenu1;

    if (m_standardPictures)
        connect(m_standardPictures, &QCheckBox::toggled, this, &TabletPage::CheckBox2Click);
    if (m_searchZones)
        connect(m_searchZones, &QCheckBox::toggled, this, &TabletPage::CheckBox3Click);
}

TabletPage::~TabletPage() = default;

void TabletPage::buildMenus()
{
    const QImage hare(QStringLiteral(":/hunting/hare.png"));
    const QImage wolf(QStringLiteral(":/hunting/wolf.png"));
    const QImage boar(QStringLiteral(":/hunting/boar.png"));
    const QImage bear(QStringLiteral(":/hunting/bear.png"));
    // ImageList1: both animal menus show the standard animals beside their items.
    const QImage imageList1[4] = {hare, wolf, boar, bear};
    const QString clear = QStringLiteral("Очистить");
    const QString space = QStringLiteral(" ");

    m_popupMenu1 = pictureMenu(this, "PopupMenu1", 35);
    menuItem(m_popupMenu1, "X1", clear, QImage(), -1);
    const char *const standardNames[4] = {"N1", "N2", "N3", "N4"};
    for (int i = 0; i < 4; ++i)
        menuItem(m_popupMenu1, standardNames[i], space, imageList1[i], i);

    m_popupMenu4 = pictureMenu(this, "PopupMenu4", 35);
    menuItem(m_popupMenu4, "MenuItem5", clear, QImage(QStringLiteral(":/hunting/cross.png")), -1);
    const char *const alternativeNames[4] = {"MenuItem6", "MenuItem7", "MenuItem8", "MenuItem9"};
    for (int i = 0; i < 4; ++i)
        menuItem(m_popupMenu4, alternativeNames[i], space, imageList1[i], i);

    for (QMenu *menu : {m_popupMenu1, m_popupMenu4}) {
        for (QAction *action : menu->actions())
            connect(action, &QAction::triggered, this, [this, action] { N1Click(action); });
    }

    m_popupMenu2 = pictureMenu(this, "PopupMenu2", 34);
    menuItem(m_popupMenu2, "N9", space, QImage(QStringLiteral(":/hunting/cross-item.png")), CrossTag);
    menuItem(m_popupMenu2, "N10", space, QImage(QStringLiteral(":/hunting/tick.png")), TickTag);
    menuItem(m_popupMenu2, "N5", clear, QImage(), ClearMarkTag);
    QAction *grass = menuItem(m_popupMenu2, "trava1", QStringLiteral("trava"),
                              QImage(QStringLiteral(":/hunting/grass.png")), 0);
    grass->setVisible(false);
    for (QAction *action : m_popupMenu2->actions()) {
        if (action != grass)
            connect(action, &QAction::triggered, this, [this, action] { N9Click(action); });
    }

    // The pelt store: never shown.
    m_popupMenu3 = pictureMenu(this, "PopupMenu3", 34);
    const char *const pelts[4] = {"hare", "wolf", "boar", "bear"};
    for (int i = 0; i < 4; ++i) {
        menuItem(m_popupMenu3, QStringLiteral("MenuItem%1").arg(i + 1).toLatin1().constData(), space,
                 QImage(QStringLiteral(":/hunting/%1-pelt.png").arg(QLatin1String(pelts[i]))), i);
    }
}

bool TabletPage::standardSetInUse() const
{
    return !m_standardPictures || m_standardPictures->isChecked();
}

void TabletPage::boardChanged()
{
    m_image1->update();
}

void TabletPage::Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int X, int Y)
{
    // Recorded first, so whichever menu opens acts on the cell that was pressed.
    m_board->setClickPoint(QPoint(X, Y));
    if (button == Qt::LeftButton)
        m_openMenu(m_popupMenu2, QCursor::pos());
    else if (button == Qt::RightButton)
        m_openMenu(m_animalMenu, QCursor::pos());
}

void TabletPage::N1Click(QAction *sender)
{
    QMenu *menu = standardSetInUse() ? m_popupMenu1 : m_popupMenu4;
    const int position = menu->actions().indexOf(sender);
    // The clear item, or an item of the other set's menu, clears the animal.
    const int code = position > 0 ? sender->data().toInt() + 1 : NoAnimal;
    m_board->chooseAnimal(code, standardSetInUse());
    boardChanged();
}

void TabletPage::N9Click(QAction *sender)
{
    m_board->chooseMark(sender->data().toInt(), standardSetInUse());
    boardChanged();
}

void TabletPage::CheckBox2Click()
{
    // Only the menu changes; animals already drawn stay as they are.
    m_animalMenu = standardSetInUse() ? m_popupMenu1 : m_popupMenu4;
}

void TabletPage::CheckBox3Click()
{
    const bool shown = !m_searchZones || m_searchZones->isChecked();
    for (SearchZoneMarker *marker : m_markers)
        marker->setVisible(shown);
}

void TabletPage::Button6Click()
{
    m_board->reset();
    boardChanged();
    // Hidden markers are reset too; their visibility stays.
    for (SearchZoneMarker *marker : m_markers) {
        marker->setPicture(SearchZoneMarker::resourcePicture("RESGRAY"));
        marker->setTag(0);
    }
}

void TabletPage::l1Click(SearchZoneMarker *sender)
{
    switch (sender->tag()) {
    case 0:
        sender->setPicture(SearchZoneMarker::resourcePicture("RESRED"));
        sender->setTag(1);
        break;
    case 1:
        sender->setPicture(SearchZoneMarker::resourcePicture("RESGREEN"));
        sender->setTag(2);
        break;
    case 2:
        sender->setPicture(SearchZoneMarker::resourcePicture("RESGRAY"));
        sender->setTag(0);
        break;
    default:
        break;
    }
}
