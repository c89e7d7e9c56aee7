#pragma once

#include <QWidget>

#include "hunting/HuntStatistics.h"

class QLabel;
class QTableWidget;

// The Statistics page: what the marked hunt adds up to. It shows what it counted until
// it counts again.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(const HuntingBoard *hunt, QWidget *parent = nullptr);

    // Counts the hunt and writes the grid's texts; runs before the page is shown.
    void recount();
    // Column widths and the skill line; they need the page on screen, so they run after.
    void finishAfterShown();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setCell(int column, int row, const QString &text);

    const HuntingBoard *m_hunt;
    QTableWidget *m_grid;
    QLabel *m_skillCaption;
    QLabel *m_skill;
    HuntTally m_tally;
};
