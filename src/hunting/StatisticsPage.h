#pragma once

#include <QWidget>

class TabletPage;

// The Statistics page: what the marked hunt adds up to.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    StatisticsPage(const TabletPage *tablet, QWidget *parent = nullptr);

    // Counts the board and writes the grid's texts; runs before the page is shown.
    void UpdateHuntStatistics();
    // Column widths and the skill line; they need the page on screen, so they run after.
    void finishAfterShown();

private:
    const TabletPage *m_tablet;
};
