#include "LocatorPage.h"

LocatorPage::LocatorPage(const Services &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("TabSheet5"));
}
