#include "timers/SecondsField.h"

#include <cstdint>
#include <limits>

namespace SecondsField {

namespace {
int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}
} // namespace

int read(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }

    if (i == n)
        return kFallbackSeconds;

    // The magnitude may reach 2^31 for the most negative value; stop counting once it
    // is past that, so the sum never overflows.
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return kFallbackSeconds;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return kFallbackSeconds;
    }
    if (!negative && magnitude == limit)
        return kFallbackSeconds;
    return int(negative ? -magnitude : magnitude);
}

} // namespace SecondsField
