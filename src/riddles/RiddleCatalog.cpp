#include "riddles/RiddleCatalog.h"

#include "data/RiddleTable.h"

#include <QStringMatcher>

#include <algorithm>

namespace {
int letterCount(QStringView text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
}

size_t firstWordHash(QStringView normal)
{
    const qsizetype space = normal.indexOf(QLatin1Char(' '));
    return qHash(space < 0 ? normal : normal.first(space));
}
} // namespace

RiddleCatalog RiddleCatalog::builtIn()
{
    // Decoded once: the table is UTF-8 constant data; copies share the strings.
    static const RiddleCatalog table = [] {
        RiddleCatalog catalog;
        catalog.m_entries.reserve(kRiddleTable.size());
        for (const RiddlePair &pair : kRiddleTable)
            catalog.append(QString::fromUtf8(pair.text), QString::fromUtf8(pair.answer));
        return catalog;
    }();
    return table;
}

void RiddleCatalog::append(const QString &text, const QString &answer)
{
    QString normal = normalForm(text);
    const bool longEnough = letterCount(normal) >= kFewestLetters;
    if (longEnough)
        m_byFirstWord[firstWordHash(normal)].push_back(size());
    m_entries.push_back(Entry{text, answer, std::move(normal), longEnough});
}

QString RiddleCatalog::exactAnswer(const QString &query) const
{
    if (query.isEmpty())
        return QString();
    // From the end, so the first match found is the last in order.
    const QStringMatcher matcher(query, Qt::CaseSensitive);
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (entry->text.size() >= query.size() && matcher.indexIn(entry->text) >= 0)
            return entry->answer;
    return QString();
}

QString RiddleCatalog::tolerantAnswer(const QString &copy) const
{
    if (copy.size() > kLongestCopy)
        return QString();
    if (QString answer = exactAnswer(copy); !answer.isEmpty())
        return answer;

    const QString normal = normalForm(copy);
    if (letterCount(normal) < kFewestLetters)
        return QString();

    // A piece of a riddle, with what the copy changed undone: the last riddle holding it.
    const QStringMatcher piece(normal, Qt::CaseSensitive);
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (entry->normal.size() >= normal.size() && piece.indexIn(entry->normal) >= 0)
            return entry->answer;

    // A whole riddle with more around it: tried only where one of the copy's words begins.
    const QStringView copied(normal);
    qsizetype best = -1;
    qsizetype bestLength = 0;
    for (qsizetype start = 0; start < copied.size();) {
        qsizetype end = copied.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = copied.size();
        const auto candidates = m_byFirstWord.constFind(qHash(copied.sliced(start, end - start)));
        if (candidates != m_byFirstWord.cend()) {
            for (qsizetype index : *candidates) {
                const QString &riddle = m_entries[size_t(index)].normal;
                const qsizetype after = start + riddle.size();
                if (riddle.size() < bestLength || (riddle.size() == bestLength && index < best) ||
                    after > copied.size() || (after < copied.size() && copied[after] != QLatin1Char(' ')) ||
                    copied.sliced(start, riddle.size()) != riddle)
                    continue;
                best = index;
                bestLength = riddle.size();
            }
        }
        start = end + 1;
    }
    return best < 0 ? QString() : m_entries[size_t(best)].answer;
}

QString RiddleCatalog::normalForm(const QString &text)
{
    // Composed first, so a letter typed as base and accent stays one letter ("й" as "и"
    // with a breve).
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString normal;
    normal.reserve(composed.size());
    bool gap = false;
    for (const QChar c : composed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Other_Format)
            continue;
        if (!c.isLetter() && !c.isDigit()) {
            gap = true;
            continue;
        }
        if (gap && !normal.isEmpty())
            normal += QLatin1Char(' ');
        gap = false;
        const QChar lower = c.toLower();
        normal += lower == QChar(0x0451) ? QChar(0x0435) : lower; // ё as е
    }
    return normal;
}
