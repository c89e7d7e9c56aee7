// libFuzzer target: any text typed or pasted into the custom timer's field. Besides the
// sanitizers, it compares SecondsField::read with a second, plainer reading of the same rules.
#include "timers/SecondsField.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool isDigitOf(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return true;
    return base == 16 && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F'));
}

// The same rules, read through QString::toLongLong on the bare digits.
int expected(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (text.mid(i).startsWith(u'$') || text.mid(i).startsWith(u'x') || text.mid(i).startsWith(u'X')) {
        base = 16;
        i += 1;
    } else if (text.mid(i).startsWith(QLatin1String("0x")) || text.mid(i).startsWith(QLatin1String("0X"))) {
        base = 16;
        i += 2;
    }
    QString digits = text.mid(i);
    if (digits.isEmpty())
        return SecondsField::kFallbackSeconds;
    for (const QChar c : digits) {
        if (!isDigitOf(c, base))
            return SecondsField::kFallbackSeconds;
    }
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > 12)
        return SecondsField::kFallbackSeconds;
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        return SecondsField::kFallbackSeconds;
    const qlonglong value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return SecondsField::kFallbackSeconds;
    return int(value);
}

void compare(const QString &text)
{
    const int got = SecondsField::read(text);
    const int want = expected(text);
    if (got != want) {
        std::fprintf(stderr, "fuzz_seconds_field: read(\"%s\") = %d, expected %d\n", qUtf8Printable(text),
                     got, want);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // As typed (UTF-8), and as raw UTF-16 code units, lone surrogates included.
    compare(QString::fromUtf8(bytes));
    QString units(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(units.data(), bytes.constData(), size_t(units.size()) * sizeof(QChar));
    compare(units);
    return 0;
}
