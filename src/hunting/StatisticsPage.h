#pragma once

#include <QWidget>

#include "HuntStatistics.h"

class QLabel;
class QTableWidget;
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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setCell(int column, int row, const QString &text);

    const TabletPage *m_tablet;
    QTableWidget *m_grid;
    QLabel *m_skillCaption;
    QLabel *m_skill;
    HuntTally m_tally;
};
