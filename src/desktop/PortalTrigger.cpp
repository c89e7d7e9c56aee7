#include "desktop/PortalTrigger.h"

#include "desktop/DesktopKey.h"

#include <QStringList>

QString portalTrigger(const QKeySequence &keys)
{
    const std::optional<DesktopKey> key = desktopKeyOf(keys);
    if (!key)
        return QString();
    const Qt::KeyboardModifiers modifiers = keys[0].keyboardModifiers();
    QStringList parts;
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << key->keysymName;
    return parts.join(QLatin1Char('+'));
}
