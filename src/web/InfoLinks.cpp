#include "web/InfoLinks.h"

namespace {
const QChar kSpace(u' ');

// The length of the address prefix at `at`, or 0 when no address starts there.
int addressPrefixAt(const QString &text, int at)
{
    static const char *const prefixes[] = {"http://", "https://", "ftp://", "mailto:", "www."};
    for (const char *prefix : prefixes) {
        const QLatin1String p(prefix);
        if (QStringView(text).mid(at).startsWith(p, Qt::CaseInsensitive))
            return int(p.size());
    }
    return 0;
}

bool closesSentence(QChar c)
{
    return QStringLiteral(".,;:!?)]}»\"'").contains(c);
}
} // namespace

QString InfoLinks::wordAt(const QString &paragraph, int index)
{
    if (index < 0 || index >= paragraph.size() || paragraph.at(index) == kSpace)
        return QString();
    int first = index;
    while (first > 0 && paragraph.at(first - 1) != kSpace)
        --first;
    int last = index;
    while (last + 1 < paragraph.size() && paragraph.at(last + 1) != kSpace)
        ++last;
    return paragraph.mid(first, last - first + 1);
}

InfoLinks::Targets InfoLinks::targetsOf(const QString &word)
{
    Targets targets;
    targets.web = word.contains(QLatin1String("http://"), Qt::CaseSensitive);
    targets.mail = word.contains(QLatin1String("mailto:"), Qt::CaseSensitive);
    return targets;
}

QList<InfoLinks::Link> InfoLinks::findLinks(const QString &paragraph)
{
    QList<Link> links;
    int at = 0;
    while (at < paragraph.size()) {
        if (paragraph.at(at).isSpace()) {
            ++at;
            continue;
        }
        int end = at;
        while (end < paragraph.size() && !paragraph.at(end).isSpace())
            ++end;
        // An address may stand after an opening bracket or quote; it starts at its scheme.
        for (int start = at; start < end; ++start) {
            const int prefix = addressPrefixAt(paragraph, start);
            if (prefix == 0)
                continue;
            int stop = end;
            while (stop > start + prefix && closesSentence(paragraph.at(stop - 1)))
                --stop;
            // A bare scheme is no address.
            if (stop > start + prefix)
                links.append({start, stop - start, paragraph.mid(start, stop - start)});
            break;
        }
        at = end;
    }
    return links;
}
