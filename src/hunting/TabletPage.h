#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "HuntingBoard.h"

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class BoardView;
class SearchZoneMarker;

// The Tablet page: the hunting board with its search-zone markers and the reset button.
class TabletPage : public QWidget {
    Q_OBJECT
public:
    // Opens a popup menu at a global position. Tests replace it to see which menu would
    // open without opening one.
    using MenuOpener = std::function<void(QMenu *menu, QPoint globalPosition)>;

    // `standardPictures` and `searchZones` are the Settings page's flags that this page reads.
    TabletPage(QCheckBox *standardPictures, QCheckBox *searchZones, QWidget *parent = nullptr);
    ~TabletPage() override;

    const HuntingBoard &board() const { return *m_board; }
    // The animal menu the board's right button opens now.
    QMenu *attachedAnimalMenu() const { return m_animalMenu; }
    void setMenuOpener(MenuOpener opener) { m_openMenu = std::move(opener); }

public slots:
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    void N1Click(QAction *sender);
    void N9Click(QAction *sender);
    void CheckBox2Click();
    void CheckBox3Click();
    void Button6Click();
    void l1Click(SearchZoneMarker *sender);

private:
    bool standardSetInUse() const;
    void buildMenus();
    void boardChanged();

    QCheckBox *m_standardPictures;
    QCheckBox *m_searchZones;
    std::unique_ptr<HuntingBoard> m_board;
    BoardView *m_image1;
    QPushButton *m_reset;
    QMenu *m_popupMenu1 = nullptr;
    QMenu *m_popupMenu2 = nullptr;
    QMenu *m_popupMenu3 = nullptr;
    QMenu *m_popupMenu4 = nullptr;
    QMenu *m_animalMenu = nullptr;
    std::array<SearchZoneMarker *, 48> m_markers{};
    MenuOpener m_openMenu;
};
