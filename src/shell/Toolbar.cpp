#include "shell/Toolbar.h"

#include "pictures/BuiltInPicture.h"

#include <QIcon>
#include <QToolButton>

Toolbar::Toolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(26);
    struct Entry {
        const char *glyph;
        const char *hint;
        QSize glyphSize;
    };
    const Entry entries[kButtonCount] = {
        {"tablet", QT_TRANSLATE_NOOP("Toolbar", "Планшет"), {20, 20}},
        {"statistics", QT_TRANSLATE_NOOP("Toolbar", "Статистика"), {20, 20}},
        {"timers", QT_TRANSLATE_NOOP("Toolbar", "Таймеры"), {20, 21}},
        {"knowledge", QT_TRANSLATE_NOOP("Toolbar", "Знания"), {20, 20}},
        {"locator", QT_TRANSLATE_NOOP("Toolbar", "Локатор"), {20, 20}},
        {"settings", QT_TRANSLATE_NOOP("Toolbar", "Настройки"), {20, 20}},
        {"information", QT_TRANSLATE_NOOP("Toolbar", "Информация"), {20, 20}},
    };
    for (int i = 0; i < kButtonCount; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setIcon(
            BuiltInPicture::icon(QStringLiteral(":/shell/%1.png").arg(QLatin1String(entries[i].glyph))));
        button->setIconSize(entries[i].glyphSize);
        button->setToolTip(tr(entries[i].hint));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFocusPolicy(Qt::TabFocus);
        // Neighbours overlap by one pixel, as the buttons are 25 wide on a pitch of 24.
        button->setGeometry(24 * i, 1, 25, 25);
        m_buttons[i] = button;
    }
}
