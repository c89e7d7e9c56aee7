#include "KnowledgePage.h"

#include <QPushButton>

KnowledgePage::KnowledgePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    const QString captions[5] = {QStringLiteral("Таблица крафта"), QStringLiteral("Таблица опыта"),
                                 QStringLiteral("Заклинательство"), QStringLiteral("Алхимия"),
                                 QStringLiteral("Кожевничество")};
    for (int i = 0; i < 5; ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        m_buttons[i]->setGeometry(8, 16 + 32 * i, 121, 25);
    }
}
