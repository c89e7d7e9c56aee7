#pragma once

#include <QWidget>

#include <array>
#include <functional>

#include "hunting/BoardRenderer.h"
#include "hunting/HuntingBoard.h"

class QAction;
class QMenu;
class QPushButton;
class BoardView;
class SearchZoneMarker;
class Settings;

// The Tablet page: the hunting board with its search-zone markers and the reset button.
class TabletPage : public QWidget {
    Q_OBJECT
public:
    // Opens a popup menu at a global position. Tests replace it to see which menu would
    // open without opening one.
    using MenuOpener = std::function<void(QMenu *menu, QPoint globalPosition)>;

    // The page shows and changes `hunt`; it follows the picture set and the markers'
    // visibility of `settings`.
    TabletPage(HuntingBoard *hunt, const Settings *settings, QWidget *parent = nullptr);

    // The board picture as the player sees it.
    const QImage &boardPicture() const { return m_renderer.picture(); }
    const QImage &cleanBoardPicture() const { return m_renderer.cleanPicture(); }
    // The last press on the board, in board pixels: the cell every menu choice acts on.
    QPoint pressPoint() const { return m_pressPoint; }

    // The animal menu the board's right button opens now; none before the first press.
    QMenu *attachedAnimalMenu() const;
    void setMenuOpener(MenuOpener opener) { m_openMenu = std::move(opener); }

public slots:
    // A press on the board at `at`, in board pixels.
    void onBoardPressed(Qt::MouseButton button, QPoint at);
    void applyAnimalChoice(QAction *choice);
    void applyMarkChoice(QAction *choice);
    void resetHunt();
    // A click on marker `index` (0..47).
    void advanceMarker(int index);

private:
    void buildMenus();
    void showMarkers();

    HuntingBoard *m_hunt;
    BoardRenderer m_renderer = BoardRenderer::builtIn();
    QPoint m_pressPoint;
    const Settings *m_settings;
    BoardView *m_boardView;
    QMenu *m_standardAnimalMenu = nullptr;
    QMenu *m_alternativeAnimalMenu = nullptr;
    QMenu *m_markMenu = nullptr;
    std::array<SearchZoneMarker *, HuntingBoard::kMarkerCount> m_markers{};
    MenuOpener m_openMenu;
};
