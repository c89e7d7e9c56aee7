#include "desktop/PortalTrigger.h"

#include <QStringList>

#include <utility>

namespace {
// The keysym name of the key a combination ends in; empty for keys not offered.
QString keysymName(Qt::Key key)
{
    // Letters name their first level, the lower-case keysym, as the key grab does, so a
    // Shift in the combination stays a modifier and does not change the key.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(u'a' + (key - Qt::Key_A)));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(u'0' + (key - Qt::Key_0)));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    // The other printable keys have word names: names hold only letters, digits and '_'.
    static const std::pair<Qt::Key, const char *> named[] = {
        {Qt::Key_Space, "space"},
        {Qt::Key_Exclam, "exclam"},
        {Qt::Key_QuoteDbl, "quotedbl"},
        {Qt::Key_NumberSign, "numbersign"},
        {Qt::Key_Dollar, "dollar"},
        {Qt::Key_Percent, "percent"},
        {Qt::Key_Ampersand, "ampersand"},
        {Qt::Key_Apostrophe, "apostrophe"},
        {Qt::Key_ParenLeft, "parenleft"},
        {Qt::Key_ParenRight, "parenright"},
        {Qt::Key_Asterisk, "asterisk"},
        {Qt::Key_Plus, "plus"},
        {Qt::Key_Comma, "comma"},
        {Qt::Key_Minus, "minus"},
        {Qt::Key_Period, "period"},
        {Qt::Key_Slash, "slash"},
        {Qt::Key_Colon, "colon"},
        {Qt::Key_Semicolon, "semicolon"},
        {Qt::Key_Less, "less"},
        {Qt::Key_Equal, "equal"},
        {Qt::Key_Greater, "greater"},
        {Qt::Key_Question, "question"},
        {Qt::Key_At, "at"},
        {Qt::Key_BracketLeft, "bracketleft"},
        {Qt::Key_Backslash, "backslash"},
        {Qt::Key_BracketRight, "bracketright"},
        {Qt::Key_AsciiCircum, "asciicircum"},
        {Qt::Key_Underscore, "underscore"},
        {Qt::Key_QuoteLeft, "grave"},
        {Qt::Key_BraceLeft, "braceleft"},
        {Qt::Key_Bar, "bar"},
        {Qt::Key_BraceRight, "braceright"},
        {Qt::Key_AsciiTilde, "asciitilde"},
        {Qt::Key_Escape, "Escape"},
        {Qt::Key_Tab, "Tab"},
        {Qt::Key_Backspace, "BackSpace"},
        {Qt::Key_Return, "Return"},
        {Qt::Key_Enter, "KP_Enter"},
        {Qt::Key_Insert, "Insert"},
        {Qt::Key_Delete, "Delete"},
        {Qt::Key_Pause, "Pause"},
        {Qt::Key_Print, "Print"},
        {Qt::Key_Home, "Home"},
        {Qt::Key_End, "End"},
        {Qt::Key_PageUp, "Page_Up"},
        {Qt::Key_PageDown, "Page_Down"},
        {Qt::Key_Left, "Left"},
        {Qt::Key_Up, "Up"},
        {Qt::Key_Right, "Right"},
        {Qt::Key_Down, "Down"},
    };
    for (const auto &[qtKey, name] : named)
        if (qtKey == key)
            return QLatin1String(name);
    return QString();
}
} // namespace

QString portalTrigger(const QKeySequence &keys)
{
    if (keys.count() != 1)
        return QString();
    const QString key = keysymName(keys[0].key());
    if (key.isEmpty())
        return QString();
    const Qt::KeyboardModifiers modifiers = keys[0].keyboardModifiers();
    // Keypad keys have names of their own (KP_1); better no preference than the wrong key.
    if (modifiers & Qt::KeypadModifier)
        return QString();
    QStringList parts;
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << key;
    return parts.join(QLatin1Char('+'));
}
