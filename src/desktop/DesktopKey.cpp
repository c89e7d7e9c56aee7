#include "desktop/DesktopKey.h"

namespace {
struct NamedKey {
    Qt::Key key;
    const char *name;
    std::uint32_t keysym;
    std::uint32_t virtualKey;
};

// Keys outside the letter, digit and function-key runs. The printable ones share their
// keysym with their Latin-1 code; where they lie on the keyboard, and so their virtual-key
// code, depends on the layout.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Space, "space", 0x20, 0x20},
    {Qt::Key_Exclam, "exclam", 0x21, 0},
    {Qt::Key_QuoteDbl, "quotedbl", 0x22, 0},
    {Qt::Key_NumberSign, "numbersign", 0x23, 0},
    {Qt::Key_Dollar, "dollar", 0x24, 0},
    {Qt::Key_Percent, "percent", 0x25, 0},
    {Qt::Key_Ampersand, "ampersand", 0x26, 0},
    {Qt::Key_Apostrophe, "apostrophe", 0x27, 0},
    {Qt::Key_ParenLeft, "parenleft", 0x28, 0},
    {Qt::Key_ParenRight, "parenright", 0x29, 0},
    {Qt::Key_Asterisk, "asterisk", 0x2a, 0},
    {Qt::Key_Plus, "plus", 0x2b, 0},
    {Qt::Key_Comma, "comma", 0x2c, 0},
    {Qt::Key_Minus, "minus", 0x2d, 0},
    {Qt::Key_Period, "period", 0x2e, 0},
    {Qt::Key_Slash, "slash", 0x2f, 0},
    {Qt::Key_Colon, "colon", 0x3a, 0},
    {Qt::Key_Semicolon, "semicolon", 0x3b, 0},
    {Qt::Key_Less, "less", 0x3c, 0},
    {Qt::Key_Equal, "equal", 0x3d, 0},
    {Qt::Key_Greater, "greater", 0x3e, 0},
    {Qt::Key_Question, "question", 0x3f, 0},
    {Qt::Key_At, "at", 0x40, 0},
    {Qt::Key_BracketLeft, "bracketleft", 0x5b, 0},
    {Qt::Key_Backslash, "backslash", 0x5c, 0},
    {Qt::Key_BracketRight, "bracketright", 0x5d, 0},
    {Qt::Key_AsciiCircum, "asciicircum", 0x5e, 0},
    {Qt::Key_Underscore, "underscore", 0x5f, 0},
    {Qt::Key_QuoteLeft, "grave", 0x60, 0},
    {Qt::Key_BraceLeft, "braceleft", 0x7b, 0},
    {Qt::Key_Bar, "bar", 0x7c, 0},
    {Qt::Key_BraceRight, "braceright", 0x7d, 0},
    {Qt::Key_AsciiTilde, "asciitilde", 0x7e, 0},
    {Qt::Key_Escape, "Escape", 0xff1b, 0x1b},
    {Qt::Key_Tab, "Tab", 0xff09, 0x09},
    {Qt::Key_Backspace, "BackSpace", 0xff08, 0x08},
    {Qt::Key_Return, "Return", 0xff0d, 0x0d},
    // The keypad's Enter: X11 tells it from Return, Windows only by a flag of the message.
    {Qt::Key_Enter, "KP_Enter", 0xff8d, 0x0d},
    {Qt::Key_Insert, "Insert", 0xff63, 0x2d},
    {Qt::Key_Delete, "Delete", 0xffff, 0x2e},
    {Qt::Key_Pause, "Pause", 0xff13, 0x13},
    {Qt::Key_Print, "Print", 0xff61, 0x2c},
    {Qt::Key_Home, "Home", 0xff50, 0x24},
    {Qt::Key_End, "End", 0xff57, 0x23},
    {Qt::Key_PageUp, "Page_Up", 0xff55, 0x21},
    {Qt::Key_PageDown, "Page_Down", 0xff56, 0x22},
    {Qt::Key_Left, "Left", 0xff51, 0x25},
    {Qt::Key_Up, "Up", 0xff52, 0x26},
    {Qt::Key_Right, "Right", 0xff53, 0x27},
    {Qt::Key_Down, "Down", 0xff54, 0x28},
};

std::optional<DesktopKey> desktopKeyOf(Qt::Key key)
{
    // Letters name their first level, the lower-case keysym, so a Shift in the combination
    // stays a modifier and does not change the key; Windows' codes are the capitals.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const auto lower = std::uint32_t(u'a' + (key - Qt::Key_A));
        return DesktopKey{lower, QString(QChar(char16_t(lower))), std::uint32_t(key)};
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return DesktopKey{std::uint32_t(key), QString(QChar(char16_t(key))), std::uint32_t(key)};
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        const int number = key - Qt::Key_F1 + 1;
        // Windows numbers its function keys up to F24.
        return DesktopKey{std::uint32_t(0xffbe + number - 1), QStringLiteral("F%1").arg(number),
                          number <= 24 ? std::uint32_t(0x70 + number - 1) : 0u};
    }
    for (const NamedKey &named : kNamedKeys)
        if (named.key == key)
            return DesktopKey{named.keysym, QLatin1String(named.name), named.virtualKey};
    return std::nullopt;
}
} // namespace

std::optional<DesktopKey> desktopKeyOf(const QKeySequence &keys)
{
    if (keys.count() != 1 || (keys[0].keyboardModifiers() & Qt::KeypadModifier))
        return std::nullopt;
    return desktopKeyOf(keys[0].key());
}
