#include "StatisticsPage.h"

StatisticsPage::StatisticsPage(const TabletPage *tablet, QWidget *parent)
    : QWidget(parent), m_tablet(tablet)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

void StatisticsPage::UpdateHuntStatistics() {}

void StatisticsPage::finishAfterShown() {}
