#include "TabletPage.h"

#include <QCheckBox>

TabletPage::TabletPage(QCheckBox *standardPictures, QCheckBox *searchZones, QWidget *parent)
    : QWidget(parent), m_standardPictures(standardPictures), m_searchZones(searchZones)
{
    setObjectName(QStringLiteral("TabSheet1"));
}
