#include "TimersPage.h"

#include <QCheckBox>

TimersPage::TimersPage(const Services &services, QCheckBox *soundFlag,
                       std::function<void()> callAttention, QWidget *parent)
    : QWidget(parent), m_services(services), m_soundFlag(soundFlag),
      m_callAttention(std::move(callAttention))
{
    setObjectName(QStringLiteral("TabSheet3"));
}
