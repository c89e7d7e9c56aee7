#include "InfoPage.h"

InfoPage::InfoPage(const Services &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("TabSheet7"));
}

void InfoPage::setUp() {}
